# Thin wrappers around the CMake presets. Each target installs missing Debian packages first.
JOBS ?= $(shell nproc)

.PHONY: deps run test test-debug bench torture format clean

deps:
	@tools/install-deps.sh

build/release/build.ninja: | deps
	cmake --preset release

run: deps build/release/build.ninja
	cmake --build build/release -j $(JOBS) --target zephra
	build/release/zephra

test: deps build/release/build.ninja
	cmake --build build/release -j $(JOBS)
	ctest --test-dir build/release --output-on-failure -j $(JOBS)

test-debug: deps
	cmake --preset debug
	cmake --build build/debug -j $(JOBS)
	ctest --test-dir build/debug --output-on-failure -j $(JOBS)

bench: deps
	cmake --preset bench
	cmake --build build/bench -j $(JOBS)
	build/bench/bench/zephra_bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
