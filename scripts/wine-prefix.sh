#!/usr/bin/env bash
# Makes the cached Wine prefixes the program and its tests run in:
# .cache/wine/prefix-96 (the usual density) and .cache/wine/prefix-120.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
base="$root/.cache/wine"
mkdir -p "$base"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

make_prefix() {  # $1 = dpi
  local prefix="$base/prefix-$1"
  [ -f "$prefix/.ready" ] && return 0
  rm -rf "$prefix"
  echo "setup: making the Wine prefix at $1 dpi"
  export WINEPREFIX="$prefix"
  wineboot -i >/dev/null 2>&1 || true
  # No window manager under Xvfb: unmanaged windows, or every close waits 2 s.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # A crash must end the test, not open a dialog that waits for its timeout.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v AppliedDPI /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.ready"
}
make_prefix 96
make_prefix 120
