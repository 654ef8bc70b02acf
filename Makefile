# Two commands: `make run` starts Korvane with the demo reference data, `make test` builds and
# runs every test. Both install what is missing first (scripts/install-deps).
.PHONY: run test deps bench

deps:
	@scripts/install-deps

run: deps
	cmake --preset release
	cmake --build --preset release --target korvane Lumetra
	build/release/bin/korvane

# The fuzz targets run first (a minute each) so the unit tests' summary closes the output.
test: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz
	cmake --preset debug
	cmake --build --preset debug
	ctest --preset debug

bench: deps
	cmake --preset bench
	cmake --build --preset bench
	bench/run
