#!/usr/bin/env bash
# Runs a Windows program of the win32 or win64 build under Wine, headless and
# quiet.  The program's PE header tells which Wine: a 64-bit program runs in
# wine64 with the prefix build/wine64-prefix, a 32-bit one in wine with
# build/wine-prefix (WINEPREFIX chooses another).  The prefix is made once,
# on first use, under a lock so parallel tests wait for it.  Unhandled
# exceptions end the program with the exception code as its exit status
# instead of starting the debugger.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The machine field of a PE file: 8664 for x64, 014c for x86.
pe_machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ') || return 0
  [ -n "$offset" ] && od -An -tx2 -j$((offset + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}

if [ -f "${1:-}" ] && [ "$(pe_machine "$1")" = 8664 ]; then
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
  export WINEPREFIX="${WINEPREFIX:-$root/build/wine64-prefix}"
else
  export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine
  export WINEPREFIX="${WINEPREFIX:-$root/build/wine-prefix}"
fi
wine=$WINELOADER
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono, no Gecko, no desktop menus: nothing to install, nothing to show.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
unset DISPLAY WAYLAND_DISPLAY

if [ ! -f "$WINEPREFIX/.qrvex-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.qrvex-ready" ]; then
      "$wine" wineboot --init >/dev/null 2>&1
      "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1
      wineserver --wait
      touch "$WINEPREFIX/.qrvex-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

exec "$wine" "$@"
