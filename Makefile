# The two commands of the README: `make run` and `make test`. Both install
# what they need on a fresh Debian 12 machine first.
PRESET ?= release-ci
BUILD := build/$(PRESET)

.PHONY: run demo test test-native test-windows package deps build install clean

deps:
	@tools/install-deps.sh build sim

build: deps
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET)

# The cockpit needs a terminal; without one (CI, a pipe) the demo flies instead.
run: build
	@if [ -t 0 ] && [ -t 1 ]; then \
	  $(BUILD)/bin/jaunt-sim; \
	else \
	  echo "make run: no terminal, so the demo script flies instead of the cockpit"; \
	  $(BUILD)/bin/jaunt-sim --script sim/scripts/demo.script; \
	fi

# A scripted jump from the built-in solar system to a tenth of the Moon's distance.
demo: build
	$(BUILD)/bin/jaunt-sim --script sim/scripts/demo.script

# The native suite, its reliability checks, then the same sources as a 32-bit
# Windows DLL under Wine.
test: test-native
	@$(MAKE) --no-print-directory test-reliability
	@$(MAKE) --no-print-directory test-windows

# The quick loop: the native suite only.
test-native: build
	@echo "== native suite ($(PRESET))"
	ctest --preset $(PRESET)

test-windows:
	@tools/install-deps.sh build sim windows
	@tools/test-windows.sh

# What a pilot installs: build/JauntMFD-<version>-x86.zip, laid out as the
# simulator's tree, with the manual and the scenarios.
package:
	@tools/install-deps.sh build windows
	@tools/package.sh

# jaunt-sim, the module it loads and the example scenarios, under PREFIX
# (DESTDIR stages the install elsewhere, as packagers do).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf build

# Reliability of the native build: the whole suite under ASan + UBSan, the
# fuzz targets, valgrind on a scripted jump, clang-tidy and clang-format.
ASAN_PRESET ?= asan-ci
FUZZ_SECONDS ?= 600

.PHONY: deps-hardening test-reliability test-asan test-fuzz fuzz test-valgrind check-tidy \
        check-format bench

deps-hardening:
	@tools/install-deps.sh build sim hardening

test-reliability: test-asan test-fuzz test-valgrind check-tidy check-format

test-asan: deps-hardening
	@echo "== native suite under AddressSanitizer + UBSan, leaks detected ($(ASAN_PRESET))"
	cmake --preset $(ASAN_PRESET) >/dev/null
	cmake --build --preset $(ASAN_PRESET)
	ctest --preset $(ASAN_PRESET)

# CI: the committed inputs, then 60 s of fuzzing per target.
test-fuzz: deps-hardening
	@echo "== fuzz targets: committed inputs, then 60 s each"
	@FUZZ_SECONDS=60 tools/run-fuzz.sh

# As long as asked: make fuzz FUZZ_SECONDS=3600
fuzz: deps-hardening
	@echo "== fuzz targets: committed inputs, then $(FUZZ_SECONDS) s each"
	@FUZZ_SECONDS=$(FUZZ_SECONDS) tools/run-fuzz.sh

test-valgrind: build deps-hardening
	@echo "== valgrind memcheck: a scripted jump ($(PRESET))"
	@tools/valgrind-jump.sh $(BUILD)

check-tidy: deps-hardening
	@echo "== clang-tidy: src/, host/ and sim/"
	@tools/check-tidy.sh

check-format: deps-hardening
	@echo "== clang-format"
	@tools/check-format.sh

bench: deps-hardening
	@echo "== benchmarks (Release)"
	@tools/run-bench.sh
