# The two commands of the README: `make run` and `make test`. Both install what is missing first.
.PHONY: all deps build run test test-asan bench format clean

all: build

deps:
	@tools/install-deps

build: deps
	cmake --preset default >/dev/null
	cmake --build --preset default

run: build
	@tools/run-zelhome build/bin

test: build
	ctest --preset default
	$(MAKE) --no-print-directory test-asan

test-asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan

bench: build
	bench/run-all

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan
