# The two commands of the README: `make run` and `make test`. Both install
# what they need on a fresh Debian 12 machine first.
PRESET ?= release-ci
BUILD := build/$(PRESET)

.PHONY: run test deps build clean

deps:
	@tools/install-deps.sh build sim

build: deps
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET)

run: build
	$(BUILD)/bin/jaunt-sim

test: build
	ctest --preset $(PRESET)

clean:
	rm -rf build
