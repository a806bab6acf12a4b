# SPDX-License-Identifier: GPL-3.0-or-later
# Thin wrappers around the CMake presets. Each target installs missing Debian packages first.
JOBS ?= $(shell nproc)
# Where `make install` puts the program (DESTDIR=... stages it below another folder, as packagers do).
PREFIX ?= /usr/local

.PHONY: deps run test test-debug bench torture fuzz mutate format clean install deb web web-batch test-web

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

# The libFuzzer targets, built with clang: build/fuzz/fuzz/number_text_fuzz, event_fuzz and run_file_fuzz (its
# corpus starts from a scenario file and a saved run that zephra-batch writes).
fuzz:
	@tools/install-deps.sh clang
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DZEPHRA_QT=OFF -DZEPHRA_SANITIZE=ON -DZEPHRA_FUZZ=ON
	cmake --build build/fuzz -j $(JOBS) --target number_text_fuzz event_fuzz run_file_fuzz zephra-batch
	build/fuzz/fuzz/number_text_fuzz -max_total_time=$${SECONDS_PER_FUZZER:-60}
	build/fuzz/fuzz/event_fuzz -max_total_time=$${SECONDS_PER_FUZZER:-60}
	mkdir -p build/fuzz/run_file_corpus
	build/fuzz/zephra-batch --export-scenario 25 build/fuzz/run_file_corpus/scenario25.zephra
	build/fuzz/zephra-batch --scenario 1 --iterations 300 --out build/fuzz --save build/fuzz/run_file_corpus/run1.zephra > /dev/null
	build/fuzz/fuzz/run_file_fuzz -max_len=4000000 -max_total_time=$${SECONDS_PER_FUZZER:-60} build/fuzz/run_file_corpus

# Fault injection: each line of tools/mutations.txt applied alone to a scratch copy (build/mutate), the whole
# program built, then the tests CI runs (Qt offscreen; not Slurm, not install); prints the score, the timeouts and
# the mutations no test caught. Long: not part of test or CI. ARGS passes options, e.g. ARGS="--only src/ui".
mutate: deps
	python3 tools/mutate.py --jobs $(JOBS) $(ARGS)

# The page: build/web (index.html, page.js, zephra.js, zephra.wasm), served by any static web server. glibc's
# sources give the page the desktop's sine, cosine, arc tangent, hypotenuse and power (src/web/libm).
WEB_PACKAGES = emscripten chromium glibc-source
web:
	@tools/install-deps.sh $(WEB_PACKAGES)
	cmake --preset web
	cmake --build build/emscripten -j $(JOBS) --target zephra-web

# zephra-batch for node: run files need zlib, which this emscripten would download; its C sources come from
# npm's zlib-sync package (zlib 1.3.1 in deps/zlib), pinned by the package's checksum.
ZLIB_VERSION = 0.1.10
ZLIB_PACKAGE = zlib-sync-$(ZLIB_VERSION).tgz
ZLIB_SHA256 = bd2180fc18426cf464ecab1321bb31a1af81c36b927a28cdb26c3a56f302f2b6
build/web-deps/zlib/zlib.h:
	@mkdir -p build/web-deps
	cd build/web-deps && npm pack --silent zlib-sync@$(ZLIB_VERSION) > /dev/null
	echo "$(ZLIB_SHA256)  build/web-deps/$(ZLIB_PACKAGE)" | sha256sum --check --quiet
	rm -rf build/web-deps/package build/web-deps/zlib
	tar -xzf build/web-deps/$(ZLIB_PACKAGE) -C build/web-deps package/deps/zlib
	mv build/web-deps/package/deps/zlib build/web-deps/zlib && rm -rf build/web-deps/package

web-batch: build/web-deps/zlib/zlib.h web
	cmake --preset web -DZEPHRA_WEB_ZLIB_SOURCE=$(CURDIR)/build/web-deps/zlib
	cmake --build build/emscripten -j $(JOBS) --target zephra-batch

# The page in headless Chromium against the native window model, with puppeteer-core (told never to fetch a
# browser of its own) installed below build/. Also the number text's and the multiply-add's tests built with
# emscripten, under node.
# The page's screenshot goes below build/; WEB_SCREENSHOT=docs/screenshots/web-scenario-10.png refreshes the
# README's.
WEB_SCREENSHOT ?= build/web-test/web-scenario-10.png
test-web: web web-batch build/release/build.ninja
	cmake --build build/release -j $(JOBS) --target zephra_web_replay zephra-batch
	cmake --build build/emscripten -j $(JOBS) --target zephra_web_number_text_tests zephra_web_exact_fma_tests \
	  zephra_web_replay
	node --no-experimental-fetch build/emscripten/src/web/zephra_web_number_text_tests.js
	node --no-experimental-fetch build/emscripten/src/web/zephra_web_exact_fma_tests.js
	@mkdir -p build/web-test && cp tests/web/package.json build/web-test/
	cd build/web-test && PUPPETEER_SKIP_DOWNLOAD=1 npm install --no-audit --no-fund --silent
	ZEPHRA_WEB_SITE=build/web ZEPHRA_WEB_REPLAY=build/release/tests/zephra_web_replay \
	  ZEPHRA_WEB_REPLAY_NODE=build/emscripten/src/web/zephra_web_replay.js \
	  ZEPHRA_NODE_MODULES=build/web-test/node_modules ZEPHRA_SCREENSHOT=$(WEB_SCREENSHOT) \
	  node tests/web/page_test.mjs
	tests/web/node_batch_test.sh build/release/zephra-batch build/emscripten/zephra-batch.js

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
