#!/bin/sh
# Builds the libFuzzer targets (the `fuzz` preset), replays every committed
# input of each target (its seed corpus and its regression inputs), then
# fuzzes each target for FUZZ_SECONDS (default 60) from those inputs.
# Inputs that break something land in $FUZZ_BUILD/artifacts; new corpus
# entries stay in $FUZZ_BUILD/corpus, out of the repository.
# With --replay only the committed inputs are run.
set -eu
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD:-build/fuzz}
seconds=${FUZZ_SECONDS:-60}
replayOnly=no
[ "${1:-}" = "--replay" ] && replayOnly=yes

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" --target fuzzers -j 2 >/dev/null

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
mkdir -p "$build/artifacts"

for target in prompt actions; do
  binary="$build/bin/${target}_fuzz"
  inputs=$(find "fuzz/corpus/$target" "fuzz/regressions/$target" -type f 2>/dev/null | sort)
  echo "fuzz: $target: replaying $(echo "$inputs" | wc -l) committed inputs"
  # shellcheck disable=SC2086  # one argument per input file
  "$binary" -artifact_prefix="$build/artifacts/$target-" $inputs >"$build/$target-replay.log" 2>&1 || {
    cat "$build/$target-replay.log" >&2
    echo "fuzz: $target: a committed input fails" >&2
    exit 1
  }
  [ "$replayOnly" = yes ] && continue

  echo "fuzz: $target: fuzzing for $seconds s"
  mkdir -p "$build/corpus/$target"
  "$binary" -max_total_time="$seconds" -max_len=1024 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" \
    "$build/corpus/$target" "fuzz/corpus/$target" >"$build/$target-fuzz.log" 2>&1 || {
    tail -n 60 "$build/$target-fuzz.log" >&2
    echo "fuzz: $target: found a failing input, kept in $build/artifacts" >&2
    exit 1
  }
  grep -E '^stat::(number_of_executed_units|new_units_added)' "$build/$target-fuzz.log" |
    sed "s/^/fuzz: $target: /"
done
echo "fuzz: no findings"
