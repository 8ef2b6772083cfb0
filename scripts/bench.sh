#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them; each figure sits beside its anchor.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" bench
for b in "${DR_BUILD_DIR:-$root/build}"/bench/tests/bench/*_bench; do "$b" "$@"; done
