# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

# Entry points for people and CI. Everything the project needs is installed here.
# QT=6 builds against Qt 6 instead of Qt 5.15, in a build folder of its own.
QT ?= 5
ifeq ($(QT),6)
BUILD ?= build-qt6
BENCH_BUILD ?= build-bench-qt6
DEBS := cmake make g++ pkg-config qt6-base-dev qt6-5compat-dev
else
BUILD ?= build
DEBS := cmake make g++ pkg-config qtbase5-dev
endif
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCASARINA_WERROR=ON
# More options for the configure step, e.g. -DCASARINA_QT5_BUILD=... (see .ci/run).
CMAKE_EXTRA_FLAGS ?=

.PHONY: all deps configure build test demo docs install clean references reuse-lint spdx-headers

all: build

# Installs the Debian packages that are missing (needs root, as on a fresh machine).
deps:
	@missing=""; for p in $(DEBS); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DQT_MAJOR_VERSION=$(QT) $(CMAKE_EXTRA_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# Writes the reference files of tests/data/expected anew from the current build, after a
# deliberate change of what the tool writes: review the change with `git diff` before
# committing it.
references: build
	cd $(BUILD) && CASARINA_UPDATE_REFERENCES=1 ./tests/tst_tool \
		rewriteMatchesReferences checkListsWhatIsPassedOver importBuildsTheExampleBuilding \
		reportMatchesReferences

# The example reports in headless Chromium, installed from Debian when missing
# (tests/browser/report.sh): the page the browser builds has the report's sections, strips
# and marks, and screenshots at desktop and phone width are not blank. They are kept in
# $(BUILD)/browser. Not part of `make test`.
.PHONY: test-browser
test-browser: build
	@$(MAKE) --no-print-directory deps DEBS="chromium python3"
	tests/browser/report.sh $(BUILD)/tools/casarina-project $(BUILD)/browser

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

# Licences: every file names its own, in an SPDX header or, for files that cannot carry
# one or whose bytes the tests compare, in .reuse/dep5; the texts are in LICENSES/.
# `make spdx-headers` gives every file that lacks a header the one its path calls for
# (scripts/spdx-headers.py says which); `make reuse-lint` checks the whole tree.
reuse-lint:
	@$(MAKE) --no-print-directory deps DEBS="reuse"
	reuse lint

spdx-headers:
	scripts/spdx-headers.py

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
		-DCASARINA_BUILD_BENCH=ON -DBUILD_TESTING=OFF -DQT_MAJOR_VERSION=$(QT)
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target casarina-bench
	$(BENCH_BUILD)/bench/casarina-bench $(BENCH_ARGS)

# The tool's commands at two sizes: time per function at the larger within 1.5 times that
# at the smaller (bench/tool-scaling.sh; TOOL_SIZES="1000 100000" by default).
.PHONY: bench-tool
TOOL_SIZES ?= 1000 100000
bench-tool:
	@$(MAKE) --no-print-directory deps DEBS="$(DEBS) libbenchmark-dev"
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DCASARINA_WERROR=ON \
		-DCASARINA_BUILD_BENCH=ON -DBUILD_TESTING=OFF -DCASARINA_BUILD_TOOLS=ON \
		-DQT_MAJOR_VERSION=$(QT)
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target casarina-bench casarina-project
	bench/tool-scaling.sh $(BENCH_BUILD)/bench/casarina-bench \
		$(BENCH_BUILD)/tools/casarina-project $(TOOL_SIZES)

# Sanitizers: the whole project again, with AddressSanitizer (leaks included, Qt's own
# too: none is suppressed) and UndefinedBehaviorSanitizer, in a build of its own; every
# test runs there except the package test, which builds a separate host project.
SANITIZE_BUILD ?= build-sanitize
SANITIZERS := -fsanitize=address,undefined -fno-sanitize-recover=undefined
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=print_stacktrace=1
.PHONY: test-sanitize test-tsan fuzz fuzz-build fuzz-replay fuzz-minimize
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCASARINA_WERROR=OFF \
		-DCMAKE_CXX_FLAGS="-O1 -g -fno-omit-frame-pointer $(SANITIZERS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZERS)" -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZERS)"
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j$(JOBS) \
		-E '^installed_package$$'

# ThreadSanitizer on the threads test. Qt is not instrumented, so a write that Qt's code
# makes for the library (a container detaching in QListData::detach, a hash node freed)
# is seen only through the allocations, frees and copies it makes: the run watches those
# too (no ignore_noninstrumented_modules, which would leave them out). What Qt and glibc
# synchronise with their own locks, invisible to the sanitizer, is named function by
# function in fuzz/tsan.supp. Kept apart from test-sanitize (ThreadSanitizer cannot be
# combined with AddressSanitizer) and from CI (it needs clang).
TSAN_BUILD ?= build-tsan
test-tsan:
	@$(MAKE) --no-print-directory deps DEBS="$(DEBS) clang"
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCASARINA_WERROR=OFF \
		-DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_CXX_FLAGS="-O1 -g -fsanitize=thread" \
		-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread
	cmake --build $(TSAN_BUILD) -j$(JOBS) --target tst_threads
	TSAN_OPTIONS="suppressions=$(CURDIR)/fuzz/tsan.supp halt_on_error=1 second_deadlock_stack=1" \
		$(TSAN_BUILD)/tests/tst_threads

# Fuzzing with libFuzzer (clang from Debian): one target per path that takes outside data
# (fuzz/targets). `make fuzz SECONDS=N` runs each target for N seconds, one after the other;
# TARGETS="reader scenejson" picks some. `make fuzz-replay` runs the committed corpora and
# kept failures once, as CI does; `make fuzz-minimize` folds new finds into fuzz/corpus.
FUZZ_BUILD ?= build-fuzz
FUZZ_DEBS := clang libclang-rt-14-dev
SECONDS ?= 60
TARGETS ?=
fuzz-build:
	@$(MAKE) --no-print-directory deps DEBS="$(DEBS) $(FUZZ_DEBS)"
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

fuzz: fuzz-build
	fuzz/run.sh $(FUZZ_BUILD) $(SECONDS) $(TARGETS)

fuzz-replay: fuzz-build
	fuzz/replay.sh $(FUZZ_BUILD)

fuzz-minimize: fuzz-build
	fuzz/minimize.sh $(FUZZ_BUILD) $(TARGETS)

# The binary interface of the installed libraries of both Qt flavours against the baselines
# in abi/ (scripts/abi-check.sh, with libabigail's abidw and abidiff): a change that breaks
# hosts fails unless the SOVERSION was raised in the same change; additions are reported.
# Each flavour is built with debug information in a folder of its own (ABI_BUILD_QT5,
# ABI_BUILD_QT6: CI passes its test builds, which are of the same build type).
# `make abi-baseline` records the baselines anew: after raising the SOVERSION, and when
# releasing, to take in the additions.
.PHONY: abi-check abi-baseline abi-build
ABI_BUILD_QT5 ?= build-abi
ABI_BUILD_QT6 ?= build-abi-qt6
ABI_CMAKE_FLAGS ?= -DBUILD_TESTING=OFF -DCASARINA_BUILD_TOOLS=OFF
ABI_MODE ?= check
abi-check:
	@$(MAKE) --no-print-directory abi-build QT=5 BUILD=$(ABI_BUILD_QT5) ABI_MODE=check
	@$(MAKE) --no-print-directory abi-build QT=6 BUILD=$(ABI_BUILD_QT6) ABI_MODE=check

abi-baseline:
	@$(MAKE) --no-print-directory abi-build QT=5 BUILD=$(ABI_BUILD_QT5) ABI_MODE=baseline
	@$(MAKE) --no-print-directory abi-build QT=6 BUILD=$(ABI_BUILD_QT6) ABI_MODE=baseline

abi-build:
	@$(MAKE) --no-print-directory deps DEBS="$(DEBS) abigail-tools"
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQT_MAJOR_VERSION=$(QT) \
		$(ABI_CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD) -j$(JOBS)
	scripts/abi-check.sh $(ABI_MODE) $(BUILD)

# A source tarball of the committed tree (HEAD; changes not committed are not in it), in
# dist/. `make dist-test` unpacks it in a scratch folder and runs `make test` there, to show
# that it builds and passes without the repository.
VERSION := $(shell awk '$$1 ~ /^project/ && $$2 == "VERSION" { print $$3; exit }' CMakeLists.txt)
DIST := dist/casarina-projects-$(VERSION).tar.xz
.PHONY: dist dist-test
dist:
	@mkdir -p dist
	git archive --format=tar --prefix=casarina-projects-$(VERSION)/ HEAD | xz -9 -T1 > $(DIST).tmp
	@mv $(DIST).tmp $(DIST)
	@echo "Source tarball: $(DIST) ($$(git rev-parse --short HEAD))"

dist-test: dist
	scripts/dist-test.sh $(DIST) $(JOBS)
