# The two commands of the README: `make run` and `make test`. Both install what is missing first.
.PHONY: all deps build run package test test-desktops lint format-check test-nogui test-asan bench format clean

all: build

deps:
	@tools/install-deps

build: deps
	cmake --preset default >/dev/null
	cmake --build --preset default

run: build
	@tools/run-zelhome build/bin

# The Debian package of the installed tree, zelclock_<version>_<arch>.deb, left here.
package: build
	rm -f build/zelclock_*.deb
	cd build && cpack
	cp build/zelclock_*.deb .

# Formatting first: it takes seconds and needs no build.
test: format-check build
	ctest --preset default
	$(MAKE) --no-print-directory test-nogui
	$(MAKE) --no-print-directory test-asan

# The panel and title-bar clocks' end-to-end checks under GNOME Shell's mutter and KDE Plasma's
# KWin, each with XWayland in a window of Xvfb. Not part of `make test`: the two compositors are
# several hundred packages, which tools/install-desktops installs first. One at a time, as each
# compositor draws in software.
test-desktops: build
	@tools/install-desktops
	ctest --preset desktops

# clang-tidy with the checks of .clang-tidy over every source the build compiles (generated
# files left out). Not part of `make test`: over the whole tree it takes about fourteen minutes of
# processor time (seven on two cores), far more than the two minutes a test run could spare.
lint: build
	run-clang-tidy -quiet -p build -j 2 '^$(CURDIR)/(?!build)'

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# The documented build without a window system: the non-GUI parts and their tests.
test-nogui: deps
	cmake --preset nogui >/dev/null
	cmake --build --preset nogui
	ctest --preset nogui

test-asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan

bench: build
	bench/run-all

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-nogui build-asan
