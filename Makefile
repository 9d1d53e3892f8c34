# The two commands of the README: `make run` builds and starts the
# calculator; `make check` builds every configuration and passes every test.
.PHONY: run check bench

run:
	@sh tools/deps.sh build
	cmake --preset release -DREZONANS_TESTS=OFF -DREZONANS_PACKAGE_TEST=OFF >/dev/null
	cmake --build --preset release --target rezonans
	@./build/release/rezonans

check:
	sh tools/deps.sh check
	cmake --preset default
	cmake --build --preset default
	ctest --preset default
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan
	cmake --preset release -DREZONANS_TESTS=ON -DREZONANS_PACKAGE_TEST=ON
	cmake --build --preset release
	ctest --preset release
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz -R '^fuzz\.' --verbose
	cmake --preset windows
	cmake --build --preset windows
	ctest --preset windows

bench:
	cmake --preset release -DREZONANS_TESTS=OFF -DREZONANS_PACKAGE_TEST=OFF >/dev/null
	cmake --build --preset release --target rezonans
	sh bench/batch.sh build/release/rezonans
