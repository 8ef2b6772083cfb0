#!/usr/bin/env bash
# Runs one Windows program under Wine in a private Xvfb and a private copy of a
# cached prefix, and passes its exit code on.
#   WINE_DPI=96|120   which cached prefix (default 96)
#   WINE_LOCALE=ru|c  ru: code page 1251 (Russian UTF-8 locale), c: code page 1252
#   WINE_TIMEOUT=s    limit for the program (default 300)
#   DR_SCREENSHOT=file  take a screenshot of the display DR_SCREENSHOT_DELAY (2) seconds after
#                       the first window shows
#   DR_SCREENSHOT_END=1  end the program once the screenshot is taken; the exit code is the screenshot's
#   WINE_KEEP_DISPLAY=1  with DISPLAY set: use that display instead of a private Xvfb
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dpi=${WINE_DPI:-96}
src="$root/.cache/wine/prefix-$dpi"
[ -f "$src/.ready" ] || "$root/scripts/wine-prefix.sh" >&2
work=$(mktemp -d /tmp/wine-run.XXXXXX)
cp -a "$src" "$work/prefix"
export WINEPREFIX="$work/prefix" WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
if [ -z "${WINE_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
  exec 3<> "$work/displayfd"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/displayfd" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n 1 "$work/displayfd")"
fi
case "${WINE_LOCALE:-c}" in
  # This shell cannot see its own LOCPATH and would warn that it cannot switch: only wine needs it.
  ru) { export LOCPATH="$root/.cache/locale" LC_ALL=ru_RU.UTF-8; } 2>/dev/null ;;
  *)  export LC_ALL=C.UTF-8 ;;
esac
wineserver -p
shot_pid=""
if [ -n "${DR_SCREENSHOT:-}" ]; then
  (
    # A loaded machine may take many seconds to show the first window: wait for it (at most
    # a minute), then give the program time to paint.
    for _ in $(seq 600); do
      xdotool search --onlyvisible --name . >/dev/null 2>&1 && break
      sleep 0.1
    done
    sleep "${DR_SCREENSHOT_DELAY:-2}"
    import -display "$DISPLAY" -window root "$DR_SCREENSHOT" && echo "screenshot: $DR_SCREENSHOT"
    shot=$?
    echo "$shot" > "$work/screenshot-status"
    [ -n "${DR_SCREENSHOT_END:-}" ] && wineserver -k >/dev/null 2>&1
    exit "$shot"
  ) &
  shot_pid=$!
fi
timeout "${WINE_TIMEOUT:-300}" wine "$@"
rc=$?
if [ -n "${DR_SCREENSHOT_END:-}" ] && [ -n "$shot_pid" ]; then
  if [ -f "$work/screenshot-status" ]; then
    wait "$shot_pid"
    rc=$?  # the screenshot ended the program: its result is the screenshot's
  else
    kill "$shot_pid" 2>/dev/null
    echo "wine-run: the program ended (exit code $rc) before the screenshot" >&2
    [ "$rc" -ne 0 ] || rc=1
  fi
fi
exit $rc
