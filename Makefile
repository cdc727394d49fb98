# Entry points: `make` builds build/kpa, `make test` runs every test, `make demo` runs the
# main job on the shipped example data, `make bench` runs the benchmarks,
# `make sanitize` builds and tests with AddressSanitizer and UndefinedBehaviorSanitizer,
# `make fuzz` does the same with clang and runs the fuzz targets.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKPA_WERROR=ON

FUZZ_SECONDS ?= 30

.PHONY: all deps configure build test demo bench sanitize fuzz release format format-check clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@ctest --test-dir $(BUILD) -j$(JOBS) --output-on-failure

demo: build
	@$(BUILD)/kpa demo --out demo-out

bench: configure
	@cmake --build $(BUILD) -j$(JOBS) --target kpa_bench
	@$(BUILD)/bench/kpa_bench

sanitize: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKPA_SANITIZE=ON -DKPA_WERROR=ON >/dev/null
	@cmake --build build-asan -j$(JOBS)
	@LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp ctest --test-dir build-asan -j$(JOBS) --output-on-failure

# clang with AddressSanitizer and UndefinedBehaviorSanitizer (whose float-to-integer check
# GCC lacks): every test, then each libFuzzer target for FUZZ_SECONDS (tools/run-fuzzers.sh).
fuzz: deps
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DKPA_FUZZ=ON -DKPA_WERROR=ON >/dev/null
	@cmake --build build-fuzz -j$(JOBS)
	@LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp ctest --test-dir build-fuzz -j$(JOBS) --output-on-failure
	@LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp tools/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS)

# The build a user or packager makes: plain Release, warnings not turned into errors.
release: deps
	@cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-release -j$(JOBS) --target kpa

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	@rm -rf $(BUILD) build-asan build-release build-fuzz demo-out
