# make demo: set up, build, lay out the plug-in folder and run the tool.
# make test: set up, build and run every test.
.PHONY: demo test test-asan build deps clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release

demo: build
	build/bin/pointsmith-host info

test: build
	ctest --preset release

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

clean:
	rm -rf build build-asan
