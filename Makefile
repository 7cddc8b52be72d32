# Entry points for people and CI. Everything the project needs is installed here.
BUILD ?= build
JOBS ?= $(shell nproc)
DEBS := cmake make g++ pkg-config qtbase5-dev
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCASARINA_WERROR=ON

.PHONY: all deps configure build test demo install clean

all: build

# Installs the Debian packages that are missing (needs root, as on a fresh machine).
deps:
	@missing=""; for p in $(DEBS); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

demo: build
	$(BUILD)/tools/casarina-project info examples/house.xml

clean:
	rm -rf $(BUILD)
