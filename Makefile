# The two commands of the README: `make run` and `make test`. Both install
# what they need on a fresh Debian 12 machine first.
PRESET ?= release-ci
BUILD := build/$(PRESET)

.PHONY: run demo test test-native test-windows deps build clean

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

# The native suite, then the same sources as a 32-bit Windows DLL under Wine.
test: test-native
	@$(MAKE) --no-print-directory test-windows

# The quick loop: the native suite only.
test-native: build
	@echo "== native suite ($(PRESET))"
	ctest --preset $(PRESET)

test-windows:
	@tools/install-deps.sh build sim windows
	@tools/test-windows.sh

clean:
	rm -rf build
