#!/usr/bin/env bash
# Builds the Windows program and starts it: the .exe under Wine on the current
# display, or, without one, under a private Xvfb until it has a screenshot in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" native >/dev/null
"$root/scripts/build.sh" win >/dev/null
out="${DR_BUILD_DIR:-$root/build}"  # the folder build.sh put the trees in
exe="$out/win/app/DocRenamer.exe"
if [ -n "${DISPLAY:-}" ]; then
  WINE_KEEP_DISPLAY=1 WINE_TIMEOUT=0 WINE_LOCALE=${WINE_LOCALE:-ru} exec "$root/scripts/wine-run.sh" "$exe"
fi
echo "run.sh: no display; the program runs under Xvfb until a screenshot is in $out/screenshot.png"
WINE_LOCALE=${WINE_LOCALE:-ru} DR_SCREENSHOT="$out/screenshot.png" DR_SCREENSHOT_END=1 \
  exec "$root/scripts/wine-run.sh" "$exe"
