# make demo: set up, build, lay out the plug-in folder and run the tool.
# make test: set up, build and run every test.
.PHONY: demo test test-asan fuzz-presets build deps gallery clean

# Seconds of fresh fuzzing after the corpus replay.
FUZZ_SECONDS ?= 60

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release

demo: build
	build/bin/pointsmith-host info
	scripts/make_gallery.sh build/bin/pointsmith-host build/gallery presets

gallery: build
	scripts/make_gallery.sh build/bin/pointsmith-host build/gallery presets

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

clean:
	rm -rf build build-asan build-fuzz
