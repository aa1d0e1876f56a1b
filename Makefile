# SPDX-License-Identifier: GPL-3.0-or-later
# Numbrella: the two everyday commands are `make run` and `make test`.
BUILD      ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
# Headless, on a screen of desktop size, where the windows fit without scrolling.
export QT_QPA_PLATFORM ?= offscreen:configfile=$(CURDIR)/tests/support/screen-1920x1080.json

.PHONY: all deps build-deps build test run package translations sanitize bench-build bench fuzz screenshots format \
        format-check clean

all: build

# Everything: what building and running the program need, and the test tools, the
# print scheduler, the screen reader and the compositor the tests use.
deps:
	@scripts/install-deps.sh

# Only what building and running the program need.
build-deps:
	@scripts/install-deps.sh build

# Everything the configuration finds the tools for: the tests once `make deps` ran.
build: build-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

# The tests' packages come first, so that the configuration finds them.
test: deps
	$(MAKE) build
	cd $(BUILD) && ctest --output-on-failure --no-tests=error -j $(JOBS)

run: build-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS) --target numbrella
	@QT_QPA_PLATFORM= scripts/run.sh $(BUILD)/numbrella

# The Debian package of the program, $(BUILD)/numbrella_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

# The catalogues in translations/ brought up to date with the texts in the sources
# (lupdate): new texts come in untranslated, texts gone from the sources go.
translations: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)
	cmake --build $(BUILD) --target update_translations

sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DNUMBRELLA_SANITIZE=address,undefined $(CMAKE_ARGS)
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

bench-build: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DNUMBRELLA_BENCH=ON -DNUMBRELLA_TESTS=OFF $(CMAKE_ARGS)
	cmake --build build-bench -j $(JOBS)

bench: bench-build
	scripts/run-benchmarks.sh build-bench/bench
	scripts/startup-ratio.sh build-bench

FUZZ_SECONDS ?= 60
# Targets held to a number of inputs instead; empty (as CI sets it) holds every target
# to FUZZ_SECONDS.
FUZZ_RUNS ?= fuzz/runs.txt
FUZZ_BUILD ?= build-fuzz
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMBRELLA_FUZZ=ON \
	  -DNUMBRELLA_TESTS=OFF -DNUMBRELLA_WITH_UI=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/run-fuzzers.sh $(FUZZ_BUILD)/fuzz $(FUZZ_SECONDS) "$(FUZZ_RUNS)"

screenshots: build
	scripts/screenshots.sh $(BUILD)

# The C++ sources laid out as .clang-format says, by the clang-format of Debian 12, as
# another version lays some lines out differently.
CLANG_FORMAT ?= clang-format-14
FORMAT_FILES = $(shell find src tests bench fuzz docs -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
format: deps
	$(CLANG_FORMAT) -i $(FORMAT_FILES)

format-check: deps
	$(CLANG_FORMAT) --dry-run --Werror $(FORMAT_FILES)

clean:
	rm -rf build build-sanitize build-bench build-fuzz
