#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them; each figure sits beside its anchor.
# Then the Windows timing program of the main window's repaint, built in the win tree
# (which takes its tools from the native tree) and run under Wine.
#   DR_BENCH_NATIVE_ONLY=1   skips the Windows program
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" bench
for b in "${DR_BUILD_DIR:-$root/build}"/bench/tests/bench/*_bench; do "$b" "$@"; done
[ -n "${DR_BENCH_NATIVE_ONLY:-}" ] && exit 0
"$root/scripts/build.sh" native
DR_BUILD_TARGET=window_bench "$root/scripts/build.sh" win
WINE_LOCALE=ru "$root/scripts/wine-run.sh" "${DR_BUILD_DIR:-$root/build}/win/tests/bench/window/window_bench.exe"
