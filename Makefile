# Two commands set everything up on a fresh Debian 12 machine:
#   make run    builds and starts reader-manager on its embedded default
#   make test   builds and runs every test (GUI tests offscreen)
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: all build run test package install test-asan asan-build fuzz bench format format-check clean deps deps-clang deps-format

all: build

deps:
	@bash scripts/bootstrap

deps-clang:
	@bash scripts/bootstrap fuzz

deps-format:
	@bash scripts/bootstrap format

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/reader-manager

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A .deb of both programs in $(BUILD) (apt install ./$(BUILD)/laundry_*.deb).
package: build
	cmake --build $(BUILD) --target package

# Both programs and the library under PREFIX (default /usr/local).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# One clang build for the sanitizers and the fuzzers: the libraries and tests
# under AddressSanitizer and UndefinedBehaviorSanitizer, plus the fuzz targets.
asan-build: deps-clang
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_COMPILER=$$(command -v clang++) -DLAUNDRY_FUZZ=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# The same tests under the sanitizers; each fuzz target runs its seeds once.
test-asan: asan-build
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS on a copy of its seeds (tests/fuzz/corpus).
fuzz: asan-build
	bash tests/fuzz/run_fuzzers.sh $(ASAN_BUILD) $(FUZZ_SECONDS)

bench: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAUNDRY_BUILD_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	$(BUILD)/bin/laundry_bench

format: deps-format
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails, naming the files, when any source differs from .clang-format.
format-check: deps-format
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
