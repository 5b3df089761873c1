#!/bin/sh
# The Windows suites, run under Wine, headless, in throwaway prefixes inside
# the build trees. Expects the build and windows package groups
# (tools/install-deps.sh) to be installed.
#  1. windows-i686 (mingw-w64): the stand-in host's world as Windows DLLs
#     (jaunthost.dll, jauntsim.dll), with the host's and the simulator's
#     unit tests.
#  2. msvc-i686 (clang, lld-link): JauntMFD.dll for the real host's
#     Microsoft ABI, its imports and exports, and the end-to-end scripts flown
#     through it by the stand-in Orbiter.exe on that world.
# Then packs and checks what a pilot downloads, one zip per build of the
# module (tools/package.sh).
set -eu
cd "$(dirname "$0")/.."

status=0
for preset in windows-i686 msvc-i686; do
  prefix="$PWD/build/$preset/wineprefix"
  echo "== Windows suite ($preset, run under $(wine --version))"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  JAUNT_WINEPREFIX="$prefix" ctest --preset "$preset" || status=1
  # Wine's server stays a few seconds after the last program; the suite ends
  # with it, so that nothing of the suite outlives the run.
  if [ -d "$prefix" ]; then WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true; fi
  [ "$status" -eq 0 ] || break
done
# What a pilot installs, built from the DLL just tested.
packed=
if [ "$status" -eq 0 ]; then
  packed=$(tools/package.sh) || status=1
  packed=$(echo "$packed" | sed -n 's/^package: //p')
fi
if [ "$status" -eq 0 ]; then
  echo "== Windows suites passed, packed:" $packed
else
  echo "== Windows suites FAILED"
fi
exit "$status"
