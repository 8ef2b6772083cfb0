#!/usr/bin/env bash
# Configures and builds one of the build trees under build/.
#   build.sh native   portable code and its tests, with the sanitizers (g++)
#   build.sh fuzz     libFuzzer targets (clang)
#   build.sh bench    benchmarks, optimised (g++)
#   build.sh win      the Windows program and its tests (MinGW-w64); needs the native tree for the tools
# DR_BUILD_DIR overrides the folder that holds the trees (default build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:?usage: build.sh native|fuzz|bench|win}
out="${DR_BUILD_DIR:-$root/build}/$kind"
common=(-S "$root" -B "$out" -G Ninja -Wno-dev)
case "$kind" in
  native) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DDR_SANITIZERS=ON) ;;
  fuzz)   args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
                -DDR_TESTS=OFF -DDR_FUZZERS=ON) ;;
  bench)  args=(-DCMAKE_BUILD_TYPE=Release -DDR_TESTS=OFF -DDR_BENCHMARKS=ON) ;;
  win)    args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release
                -DDR_HOST_TOOLS_DIR="${DR_BUILD_DIR:-$root/build}/native/tools") ;;
  *) echo "build.sh: unknown build '$kind'" >&2; exit 2 ;;
esac
[ -f "$out/build.ninja" ] || cmake "${common[@]}" "${args[@]}" >/dev/null
cmake --build "$out" -j "$(nproc)"
