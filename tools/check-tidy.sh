#!/bin/sh
# clang-tidy over the module (src/), the stand-in host (host/) and the
# simulator (sim/) as the Linux build compiles them, with the checks of
# .clang-tidy. Any warning fails.
# TIDY_BUILD names the build tree whose compile commands are used.
set -eu
cd "$(dirname "$0")/.."
build=${TIDY_BUILD:-build/tidy}

cmake --preset dev -B "$build" -DJAUNT_BUILD_TESTS=OFF >/dev/null

# The sources this build compiles: the Windows ones only the cross builds do.
files=$(git ls-files 'src/*.cpp' 'host/*.cpp' 'sim/*.cpp' | while read -r file; do
  if grep -q "\"file\": \"$PWD/$file\"" "$build/compile_commands.json"; then echo "$file"; fi
done)
echo "clang-tidy: $(echo "$files" | wc -l) files of src/, host/ and sim/"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# gcc's warning options are not all clang's; the analysis does not need them.
status=0
echo "$files" | xargs -P 2 -n 4 clang-tidy -p "$build" --quiet \
  --extra-arg=-Wno-unknown-warning-option >"$log" 2>&1 || status=$?
# Drop the tallies of suppressed warnings in headers outside the project.
grep -v -e '^[0-9]* warnings\? generated\.$' -e '^Suppressed' "$log" || true
if [ "$status" -ne 0 ]; then
  echo "clang-tidy: warnings found" >&2
  exit 1
fi
echo "clang-tidy: no warnings"
