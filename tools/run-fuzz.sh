#!/bin/sh
# Builds the libFuzzer targets (the `fuzz` preset) and runs each through
# CTest (the `fuzz` test preset, which gives them the sanitizers' options):
# every committed input replayed, then FUZZ_SECONDS (default 60) of fuzzing
# per target, the targets side by side. With --replay only the committed
# inputs are run. See fuzz/RunTarget.sh.
set -eu
cd "$(dirname "$0")/.."
[ "${1:-}" = "--replay" ] && FUZZ_SECONDS=0
export FUZZ_SECONDS="${FUZZ_SECONDS:-60}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
if ctest --preset fuzz; then
  echo "fuzz: no findings"
else
  echo "fuzz: findings, kept in build/fuzz/artifacts" >&2
  exit 1
fi
