#!/bin/sh
# Valgrind memcheck on a whole scripted jump: jaunt-sim loads the module,
# flies the end-to-end jump script on the small Earth-Moon scenario and
# unloads again. Fails on any memcheck error and on definitely lost bytes.
# Usage: tools/valgrind-jump.sh BUILD_DIR   (a build without sanitizers)
set -eu
cd "$(dirname "$0")/.."
build=${1:?usage: tools/valgrind-jump.sh BUILD_DIR}
log="$build/valgrind-jump.log"
e2e=tests/e2e

valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
  --show-leak-kinds=definite --errors-for-leak-kinds=definite --track-origins=yes \
  --log-file="$log" \
  "$build/bin/jaunt-sim" --scenario "$e2e/scenarios/glider_world.toml" \
  --script "$e2e/scripts/jump.script" >"$build/valgrind-jump.out" || {
  status=$?
  cat "$log" >&2
  echo "valgrind: the scripted jump failed (status $status)" >&2
  exit 1
}
# The jump really flew: the answers are those the end-to-end test expects.
if ! cmp -s "$build/valgrind-jump.out" "$e2e/expected/jump.out"; then
  diff "$e2e/expected/jump.out" "$build/valgrind-jump.out" >&2 || true
  echo "valgrind: the jump's answers differ from $e2e/expected/jump.out" >&2
  exit 1
fi
grep -E 'ERROR SUMMARY|definitely lost|All heap blocks were freed' "$log" | sed 's/^==[0-9]*== /valgrind: /'
