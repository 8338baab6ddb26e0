#!/usr/bin/env bash
# Runs a 32-bit Windows program of the win32 build under Wine, headless and
# quiet.  The Wine prefix (build/wine-prefix unless WINEPREFIX says another)
# is made once, on first use, under a lock so parallel tests wait for it.
# Unhandled exceptions end the program with the exception code as its exit
# status instead of starting the debugger.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$root/build/wine-prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win32
# No Mono, no Gecko, no desktop menus: nothing to install, nothing to show.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
unset DISPLAY WAYLAND_DISPLAY

if [ ! -f "$WINEPREFIX/.qrvex-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.qrvex-ready" ]; then
      wineboot --init >/dev/null 2>&1
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1
      wineserver --wait
      touch "$WINEPREFIX/.qrvex-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

exec wine "$@"
