# SPDX-License-Identifier: GPL-3.0-or-later
# Thin wrappers around the CMake presets. Each target installs missing Debian packages first.
JOBS ?= $(shell nproc)
# Where `make install` puts the program (DESTDIR=... stages it below another folder, as packagers do).
PREFIX ?= /usr/local

.PHONY: deps run test test-debug bench torture fuzz mutate format clean install deb

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

# Wall times first: the benchmarks, then zephra-batch over the whole catalogue; then callgrind's instruction
# counts per tick of the three slowest scenarios, which a busy machine does not change.
bench: deps
	@tools/install-deps.sh valgrind
	cmake --preset bench
	cmake --build build/bench -j $(JOBS)
	build/bench/bench/zephra_bench
	build/bench/bench/zephra_window_bench
	@bash -c 'TIMEFORMAT="zephra-batch, one Earth year of scenario 10 from start-up: %R s wall"; \
	  time build/bench/zephra-batch --scenario 10 --orbits 1 --out /tmp > /dev/null'
	tools/catalogue-speed.sh build/bench/zephra-batch

install: deps build/release/build.ninja
	cmake --build build/release -j $(JOBS)
	cmake --install build/release --prefix $(PREFIX)

# The Debian package build/release/zephra_<version>_<arch>.deb (dpkg-shlibdeps finds its library needs).
deb: deps build/release/build.ninja
	@tools/install-deps.sh dpkg-dev
	cmake --build build/release -j $(JOBS)
	cd build/release && cpack -G DEB

# A long random session per seed (ten million events each) on the optimised build.
torture: deps build/release/build.ninja
	cmake --build build/release -j $(JOBS) --target zephra_torture_tests
	ZEPHRA_TORTURE_EVENTS=$${EVENTS:-10000000} build/release/tests/zephra_torture_tests

# The libFuzzer targets, built with clang: build/fuzz/fuzz/number_text_fuzz and event_fuzz.
fuzz:
	@tools/install-deps.sh clang
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DZEPHRA_QT=OFF -DZEPHRA_SANITIZE=ON -DZEPHRA_FUZZ=ON
	cmake --build build/fuzz -j $(JOBS) --target number_text_fuzz event_fuzz
	build/fuzz/fuzz/number_text_fuzz -max_total_time=$${SECONDS_PER_FUZZER:-60}
	build/fuzz/fuzz/event_fuzz -max_total_time=$${SECONDS_PER_FUZZER:-60}

# Fault injection: each line of tools/mutations.txt applied alone to a scratch copy (build/mutate), the whole
# program built, then the tests CI runs (Qt offscreen; not Slurm, not install); prints the score, the timeouts and
# the mutations no test caught. Long: not part of test or CI. ARGS passes options, e.g. ARGS="--only src/ui".
mutate: deps
	python3 tools/mutate.py --jobs $(JOBS) $(ARGS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
