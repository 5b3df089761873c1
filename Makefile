# The two commands of the README: `make run` and `make test`. Both install
# what they need on a fresh Debian 12 machine first.
PRESET ?= release-ci
BUILD := build/$(PRESET)

.PHONY: run demo test deps build clean

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

test: build
	ctest --preset $(PRESET)

clean:
	rm -rf build
