#!/bin/sh
# One fuzz target, as CTest runs it (fuzz/CMakeLists.txt): every committed
# input replayed (its seed corpus and its regression inputs), then
# $FUZZ_SECONDS (default 60; 0: replay only) of fuzzing from those inputs.
# Inputs that break something land in BUILD/artifacts; new corpus entries
# stay in BUILD/corpus, out of the repository. The sanitizers' options come
# from the test preset.
# Usage: RunTarget.sh FUZZER TARGET BUILD
set -eu
binary=$1 target=$2 build=$3
seconds=${FUZZ_SECONDS:-60}
cd "$(dirname "$0")"
mkdir -p "$build/artifacts" "$build/corpus/$target"

inputs=$(find "corpus/$target" "regressions/$target" -type f 2>/dev/null | sort)
echo "fuzz: $target: replaying $(echo "$inputs" | wc -l) committed inputs"
# shellcheck disable=SC2086  # one argument per input file
"$binary" -artifact_prefix="$build/artifacts/$target-" $inputs >"$build/$target-replay.log" 2>&1 || {
  cat "$build/$target-replay.log"
  echo "fuzz: $target: a committed input fails"
  exit 1
}
[ "$seconds" -gt 0 ] || exit 0

echo "fuzz: $target: fuzzing for $seconds s"
"$binary" -max_total_time="$seconds" -max_len=1024 -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/$target-" \
  "$build/corpus/$target" "corpus/$target" >"$build/$target-fuzz.log" 2>&1 || {
  tail -n 60 "$build/$target-fuzz.log"
  echo "fuzz: $target: found a failing input, kept in $build/artifacts"
  exit 1
}
grep -E '^stat::(number_of_executed_units|new_units_added)' "$build/$target-fuzz.log" |
  sed "s/^/fuzz: $target: /"
