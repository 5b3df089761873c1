#!/bin/sh
# Runs a Windows program under Wine as wine-run.sh does, with the loader's
# warnings on. Wine starts a program whose imports are missing and only
# stubs them, where Windows refuses to load it: a "No implementation for"
# line fails the run here (status 125). Wine's own lines are dropped from
# standard error; the program's stay.
# Usage: wine-run-strict.sh program.exe [arguments...]
set -u
log=$(mktemp)
trap 'rm -f "$log"' EXIT
WINEDEBUG=warn+module "$(dirname "$0")/wine-run.sh" "$@" 2>"$log"
status=$?
if grep "No implementation for" "$log" >&2; then
  echo "wine-run-strict.sh: an import is missing; Windows would not load the program" >&2
  exit 125
fi
grep -v -E '^[0-9a-f]{4}:(err|warn|fixme|trace):' "$log" >&2
exit "$status"
