# HUEX: `make demo` shows the library at work under Wine (the demo host is
# interactive with a display; without one its scripted tour runs), `make test`
# builds the three builds (native, win64, win32) and runs every test, the
# Windows ones on both Windows builds. Both install what they need first
# (scripts/bootstrap).
JOBS ?= 2
FUZZ_SECONDS ?= 60

.PHONY: all bootstrap native win64 win32 test test-native test-wine test-wine32 test-wine64 test-artefacts demo fuzz bench guides docs clean

all: native win64 win32

bootstrap:
	@scripts/bootstrap

build/%/CMakeCache.txt: | bootstrap
	@echo "configure build/$*"
	@cmake --preset $* >/dev/null

native: bootstrap build/native/CMakeCache.txt
	cmake --build build/native -j$(JOBS)

win64: bootstrap build/win64/CMakeCache.txt
	cmake --build build/win64 -j$(JOBS)

win32: bootstrap build/win32/CMakeCache.txt
	cmake --build build/win32 -j$(JOBS)

test-native: native
	ctest --test-dir build/native -j$(JOBS) --output-on-failure

# The window-free code's thread tests once more under ThreadSanitizer.
tsan: bootstrap build/tsan/CMakeCache.txt
	cmake --build build/tsan -j$(JOBS)

test-tsan: tsan
	ctest --test-dir build/tsan --output-on-failure

# Each Windows build runs the whole Windows suite (artefact and package checks
# included) in a Wine session and prefix of its own; the two run side by side,
# each build's output printed when it ends.
test-wine: win64 win32
	@$(MAKE) --no-print-directory -j2 --output-sync=target test-wine32 test-wine64

test-wine32 test-wine64: test-wine%: win%
	scripts/wine-session build/win$* ctest --test-dir build/win$* -j$(JOBS) --output-on-failure

test-artefacts: win64 win32
	ctest --test-dir build/win64 -L artefacts --output-on-failure
	ctest --test-dir build/win32 -L artefacts --output-on-failure

test: test-native test-tsan test-wine
	@scripts/test-ratio
	@echo "make test: all test suites passed"

# What the demo runs: the library with its modules, the sample hosts, the tour.
DEMO_TARGETS = huex LgICC huexlang huex_addons huexinfo huexdemo huexdemo_tour

# The shipped build: the i686 library, run by 32-bit Wine.
demo: bootstrap build/win32/CMakeCache.txt
	@scripts/quiet-build build/win32 $(DEMO_TARGETS)
	@scripts/demo build/win32

fuzz: bootstrap build/fuzz/CMakeCache.txt
	cmake --build build/fuzz -j$(JOBS)
	scripts/run-fuzzers build/fuzz $(FUZZ_SECONDS)

# The Windows timed loops run for both builds, one after the other so that
# neither slows the other; each ends with its ratios.
bench: bootstrap build/bench/CMakeCache.txt win64 win32
	cmake --build build/bench -j$(JOBS) --target huex_bench
	build/bench/bin/huex_bench
	scripts/wine-session build/win64 scripts/run-wine-benches build/win64
	scripts/wine-session build/win32 scripts/run-wine-benches build/win32

# The host developers' packages: dist/huex-<version>-win32.zip and -win64.zip.
.PHONY: dist
dist: bootstrap build/win32/CMakeCache.txt build/win64/CMakeCache.txt
	cmake --build build/win32 -j$(JOBS) --target huex_package
	cmake --build build/win64 -j$(JOBS) --target huex_package

guides: native
	cmake --build build/native --target guides

# The API reference, from the public headers' comments: build/docs/api/index.html.
docs: bootstrap
	scripts/api-reference build/docs/api build/docs/work

clean:
	rm -rf build
