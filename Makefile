# The two commands of the README: `make run` builds and starts the
# calculator; `make check` builds every configuration and passes every test.
.PHONY: run app check bench

run: app
	@./build/release/rezonans

# The optimised program alone, without the tests.
app:
	@sh tools/deps.sh build
	cmake --preset release -DREZONANS_TESTS=OFF -DREZONANS_PACKAGE_TEST=OFF >/dev/null
	cmake --build --preset release --target rezonans

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

bench: app
	sh bench/batch.sh build/release/rezonans
