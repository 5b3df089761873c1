#!/bin/sh
# The Windows suite: the module, the stand-in host, the simulator and the
# tests built as 32-bit Windows programs with mingw-w64 and run under Wine,
# headless, in a throwaway prefix inside the build tree. Expects the build
# and windows package groups (tools/install-deps.sh) to be installed.
set -eu
cd "$(dirname "$0")/.."
preset=windows-i686
prefix="$PWD/build/$preset/wineprefix"

echo "== Windows suite ($preset: JauntMFD.dll, PE32, run under $(wine --version))"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
status=0
JAUNT_WINEPREFIX="$prefix" ctest --preset "$preset" || status=$?
# Wine's server stays a few seconds after the last program; the suite ends
# with it, so that nothing of the suite outlives the run.
if [ -d "$prefix" ]; then WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true; fi
if [ "$status" -eq 0 ]; then
  echo "== Windows suite ($preset) passed"
else
  echo "== Windows suite ($preset) FAILED"
fi
exit "$status"
