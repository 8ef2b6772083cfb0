#!/usr/bin/env bash
# Configures and builds one of the build trees of CMakePresets.json under build/.
#   build.sh native   portable code and its tests, with the sanitizers (g++)
#   build.sh fuzz     libFuzzer targets (clang)
#   build.sh bench    benchmarks, optimised (g++)
#   build.sh win      the Windows program and its tests (MinGW-w64); needs the native tree for the tools
# Further arguments are passed to the configure step (build.sh native -DDR_SANITIZERS=OFF).
# DR_BUILD_DIR overrides the folder that holds the trees (default build/); DR_BUILD_TARGET builds one target only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:?usage: build.sh native|fuzz|bench|win [cmake options]}
shift
case "$kind" in
  native|fuzz|bench|win) ;;
  *) echo "build.sh: unknown build '$kind'" >&2; exit 2 ;;
esac
out="${DR_BUILD_DIR:-$root/build}/$kind"
configure=(cmake --preset "$kind")
if [ -n "${DR_BUILD_DIR:-}" ]; then
  configure+=(-B "$out")
  [ "$kind" = win ] && configure+=(-DDR_HOST_TOOLS_DIR="$DR_BUILD_DIR/native/tools")
fi
configure+=("$@")

# Configure again whenever the presets or the options differ from the last configure of this
# tree; ninja itself re-runs CMake when a CMakeLists.txt changes.
stamp="$out/.configured-with"
wanted=$(printf '%s\n' "${configure[@]}"; sha256sum "$root/CMakePresets.json")
if [ ! -f "$out/build.ninja" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$wanted" ]; then
  rm -f "$stamp"
  (cd "$root" && "${configure[@]}") >/dev/null
  printf '%s\n' "$wanted" > "$stamp"
fi
cmake --build "$out" -j "$(nproc)" ${DR_BUILD_TARGET:+--target "$DR_BUILD_TARGET"}
