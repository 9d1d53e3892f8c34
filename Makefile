# The two commands of the README: `make run` builds and starts the
# calculator; `make check` builds every configuration and passes every test.
.PHONY: run app check bench

run: app
	@./build/release/rezonans

# The optimised program alone, without building the tests.
app:
	@sh tools/deps.sh build
	cmake --preset release >/dev/null
	cmake --build --preset release --target rezonans

PRESETS = default asan release fuzz libcxx windows web

check:
	sh tools/deps.sh check
	set -e; for preset in $(PRESETS); do \
	  cmake --preset $$preset; \
	  cmake --build --preset $$preset; \
	  ctest --preset $$preset; \
	done

# Programs to time beside this build, older ones say:
# make bench BESIDE='/tmp/v110/build/release/rezonans'
BESIDE ?=
export BESIDE

bench: app
	@sh tools/deps.sh bench
	sh bench/batch.sh build/release/rezonans
	python3 bench/prompt.py build/release/rezonans $(BESIDE)
	cmake --preset web >/dev/null
	cmake --build --preset web
	sh bench/page.sh build/release/rezonans build/web/rezonans.html
	node bench/keys.js "$$(command -v chromium)" build/web/rezonans.html
