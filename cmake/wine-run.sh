#!/bin/sh
# Runs a Windows program under Wine, quietly and without a display, in a
# throwaway prefix: $JAUNT_WINEPREFIX, or wineprefix/ in the build tree of the
# program (the directory above its bin/).
# Usage: wine-run.sh program.exe [arguments...]
set -eu
program=$1
shift
if [ -z "${JAUNT_WINEPREFIX:-}" ]; then
  bin=$(cd "$(dirname "$program")" && pwd)
  JAUNT_WINEPREFIX=$(dirname "$bin")/wineprefix
fi
mkdir -p "$JAUNT_WINEPREFIX"
WINEPREFIX=$(cd "$JAUNT_WINEPREFIX" && pwd)  # Wine takes absolute paths only
WINEDEBUG=${WINEDEBUG:--all}  # quiet unless the caller asks for a channel
# No .NET or browser engine: their installers would ask on the screen.
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
unset DISPLAY WAYLAND_DISPLAY

# The first program creates the prefix; programs started beside it wait for
# that instead of creating it a second time.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  flock "$WINEPREFIX.lock" sh -c \
    '[ -f "$WINEPREFIX/system.reg" ] || { wine wineboot --init && wineserver -w; }' >/dev/null 2>&1
fi
exec wine "$program" "$@"
