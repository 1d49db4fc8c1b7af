# make demo: set up, build the module and the tool, render the gallery and say
# what to try next.
# make test: set up, build everything else and run every test.
.PHONY: demo test test-asan fuzz-presets build tool deps gallery readme-picture clean

# Seconds of fresh fuzzing after the corpus replay.
FUZZ_SECONDS ?= 60

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release

# The module with its plug-in folder (the module target lays out res/ and
# presets/ beside it) and pointsmith-host, nothing else.
tool: deps
	cmake --preset release
	cmake --build --preset release --target pointsmith pointsmith-host

gallery: tool
	scripts/make_gallery.sh build/bin/pointsmith-host build/gallery presets

demo: gallery
	@echo
	@echo "The plug-in folder: build/plugins/pointsmith/ (the module, res/, presets/)"
	@echo "The gallery:        build/gallery/index.html"
	@echo "Try:"
	@echo "  build/bin/pointsmith-host info"
	@echo "  build/bin/pointsmith-host outline --set ARROW_DOUBLE=true"
	@echo "  build/bin/pointsmith-host outline --format svg --axis --order > arrow.svg"

# The README's picture, docs/arrows.png: six arrows of the gallery,
# rasterised with rsvg-convert.
readme-picture: gallery
	@scripts/install-deps.sh picture
	scripts/make_readme_picture.sh build/gallery docs/arrows.png

test: build
	ctest --preset release

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# The preset fuzzer (clang, ASan + UBSan): the seed corpus replayed, then
# fuzzing for FUZZ_SECONDS on a scratch copy of the corpus.
fuzz-presets: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	build-fuzz/fuzz/preset_fuzzer fuzz/corpus/preset/*
	rm -rf build-fuzz/corpus && mkdir -p build-fuzz/corpus && cp fuzz/corpus/preset/* build-fuzz/corpus/
	build-fuzz/fuzz/preset_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build-fuzz/corpus

# The long modes, from a new seed each time unless FUZZ_SEED says which:
# PARAMETER_SETS parameter sets through the outline and through the contour,
# SESSIONS random sessions, then the preset fuzzer for FUZZ_SECONDS.
PARAMETER_SETS ?= 5000000
SESSIONS ?= 200000
ifndef FUZZ_SEED
FUZZ_SEED := $(shell date +%s)
endif

.PHONY: fuzz coverage
fuzz: build
	POINTSMITH_SEED=$(FUZZ_SEED) POINTSMITH_PARAMETER_SETS=$(PARAMETER_SETS) build/tests/fuzzing/fuzzing_tests
	POINTSMITH_SEED=$(FUZZ_SEED) POINTSMITH_SESSIONS=$(SESSIONS) build/tests/sessions/sessions_tests
	$(MAKE) fuzz-presets FUZZ_SECONDS=$(FUZZ_SECONDS)

# Line and branch coverage of the module's own code (source/) by every test,
# from a gcov build in build-coverage; the report is build-coverage/coverage/.
coverage: deps
	cmake --preset coverage
	cmake --build --preset coverage
	find build-coverage -name '*.gcda' -delete
	ctest --preset coverage
	mkdir -p build-coverage/coverage
	gcovr --root . --filter source/ --exclude-throw-branches --txt --print-summary \
		--html-details build-coverage/coverage/index.html --fail-under-line 95 --fail-under-branch 90 build-coverage

# The Windows module, headless host and tests, cross-built with mingw-w64 into
# build-windows/; test-windows runs those tests under wine.
.PHONY: windows test-windows package package-linux
windows: deps
	@scripts/install-deps.sh windows
	cmake --preset windows
	cmake --build --preset windows

test-windows: windows
	scripts/with-wine.sh ctest --preset windows

# One zip per system built here, each checked by unpacking it and loading the
# module from it: build/pointsmith-headless-linux.zip and
# build-windows/pointsmith-headless-windows.zip. package-linux makes and
# checks the Linux zip alone, without the Windows tool chain.
package-linux: build
	cmake --build --preset release --target plugin_zip
	scripts/check-package.sh build/pointsmith-headless-linux.zip build/bin/pointsmith-host

package: package-linux windows
	cmake --build --preset windows --target plugin_zip
	scripts/with-wine.sh scripts/check-package.sh build-windows/pointsmith-headless-windows.zip wine build-windows/bin/pointsmith-host.exe

# The module for the host itself, built with the host's R23 SDK (SDK=DIR, an
# SDK root holding frameworks/, as its archive unpacks or already prepared by
# its source processor) into build-sdk/plugins/pointsmith/, then checked: the
# SDK folder is unchanged, the module exports c4d_main and g_maxon only, needs
# only the C and C++ runtimes of glibc 2.17 and GCC 4.8, loads, and answers
# the version query. Not part of test or CI, which have no SDK. sdk-package
# zips it as build-sdk/pointsmith-linux.zip and checks the unpacked module.
.PHONY: sdk-module sdk-package
sdk-module:
	@[ -n "$(SDK)" ] || { echo "make sdk-module needs SDK=DIR, an R23 SDK root holding frameworks/ (docs/building-for-the-host.md says how to get one)"; exit 2; }
	@[ -d "$(SDK)" ] || { echo "SDK=$(SDK) is no folder"; exit 2; }
	@scripts/install-deps.sh
	@mkdir -p build-sdk && tests/sdk/tree_checksum.sh "$(SDK)" > build-sdk/sdk.checksum
	cmake -S cmake/sdk-module -B build-sdk -G Ninja -DSDK="$(abspath $(SDK))" -DCMAKE_CXX_COMPILER=clang++
	cmake --build build-sdk
	@tests/sdk/tree_checksum.sh "$(SDK)" | cmp -s - build-sdk/sdk.checksum || { echo "the build changed files in $(SDK)"; exit 1; }
	tests/exports/check_exports.sh build-sdk/plugins/pointsmith/pointsmith.xso64
	build-sdk/sdk_module_check build-sdk/plugins/pointsmith/pointsmith.xso64

sdk-package: sdk-module
	cmake --build build-sdk --target plugin_zip
	scripts/check-sdk-package.sh build-sdk/pointsmith-linux.zip build-sdk/sdk_module_check

clean:
	rm -rf build build-asan build-fuzz build-coverage build-windows build-sdk
