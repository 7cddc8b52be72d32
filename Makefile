# Entry points for people and CI. Everything the project needs is installed here.
BUILD ?= build
JOBS ?= $(shell nproc)
DEBS := cmake make g++ pkg-config qtbase5-dev
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCASARINA_WERROR=ON

.PHONY: all deps configure build test demo docs install clean

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

# A short tour of the tool on the example house.
TOOL = $(BUILD)/tools/casarina-project
demo: build
	@echo "== casarina-project info examples/house.xml"
	@$(TOOL) info examples/house.xml | sed -n '1,30p'
	@echo "   ..."
	@echo
	@echo "== casarina-project check examples/house.xml"
	@$(TOOL) check examples/house.xml
	@echo
	@echo "== casarina-project export-scenes examples/house.xml --datapoints examples/house-datapoints.json --compiled"
	@$(TOOL) export-scenes examples/house.xml --datapoints examples/house-datapoints.json --compiled | sed -n '1,24p'
	@echo "   ..."
	@echo
	@echo "== casarina-project diff examples/house.xml examples/house-admin.xml"
	@$(TOOL) diff examples/house.xml examples/house-admin.xml
	@echo
	@echo "== casarina-project merge examples/house-admin.xml examples/house-profile.xml --profile --keep-own-values"
	@$(TOOL) merge examples/house-admin.xml examples/house-profile.xml --profile --keep-own-values

# The API reference, from the headers and the guides, in build-docs/html.
docs:
	@$(MAKE) --no-print-directory deps DEBS="doxygen"
	@mkdir -p build-docs
	doxygen docs/Doxyfile
	@if [ -s build-docs/warnings.log ]; then cat build-docs/warnings.log; exit 1; fi
	@echo "API reference: build-docs/html/index.html"

PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD)

# Benchmarks: the library beside bare Qt passes over the same inputs, in a Release build of
# its own. Prints every measurement with its ratio; BENCH_ARGS passes options on (see
# bench/main.cpp), e.g. BENCH_ARGS="--sizes=1000,10000 --no-memory".
.PHONY: bench
BENCH_BUILD ?= build-bench
BENCH_ARGS ?=
bench:
	@$(MAKE) --no-print-directory deps DEBS="$(DEBS) libbenchmark-dev"
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DCASARINA_WERROR=ON \
		-DCASARINA_BUILD_BENCH=ON -DBUILD_TESTING=OFF -DCASARINA_BUILD_TOOLS=OFF
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target casarina-bench
	$(BENCH_BUILD)/bench/casarina-bench $(BENCH_ARGS)
