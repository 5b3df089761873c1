#!/bin/sh
# The Windows suites, run under Wine, headless, in throwaway prefixes inside
# the build trees. Expects the build and windows package groups
# (tools/install-deps.sh) to be installed. For each of the host's builds,
# 32-bit (i686) and 64-bit (x86_64):
#  1. windows-ARCH (mingw-w64): the stand-in host's world as Windows DLLs
#     (jaunthost.dll, jauntsim.dll); the 32-bit one with the host's and the
#     simulator's unit tests, the 64-bit one built only, as the world of
#  2. msvc-ARCH (clang, lld-link): JauntMFD.dll for the real host's
#     Microsoft ABI, its imports and exports, and the end-to-end scripts flown
#     through it by the stand-in Orbiter.exe on that world.
# Then packs and checks what a pilot downloads, one zip per build of the
# module (tools/package.sh).
set -eu
cd "$(dirname "$0")/.."

# Builds a preset and, unless told "build", runs its tests under Wine.
suite() {
  preset=$1
  prefix="$PWD/build/$preset/wineprefix"
  echo "== Windows suite ($preset, run under $(wine --version))"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  [ "${2:-}" = build ] && return 0
  result=0
  JAUNT_WINEPREFIX="$prefix" ctest --preset "$preset" || result=1
  # Wine's server stays a few seconds after the last program; the suite ends
  # with it, so that nothing of the suite outlives the run.
  if [ -d "$prefix" ]; then WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true; fi
  return "$result"
}

status=0
suite windows-i686 && suite msvc-i686 && suite windows-x86_64 build && suite msvc-x86_64 ||
  status=1
# What a pilot installs, built from the DLLs just tested.
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
