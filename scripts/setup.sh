#!/usr/bin/env bash
# Installs everything the build and the tests need, from Debian's packages only.
# Idempotent: a second run installs nothing and rebuilds nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache="$root/.cache"
mkdir -p "$cache"

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
  zlib1g-dev libjpeg-dev libgtest-dev googletest libbenchmark-dev
  libpng-dev libstb-dev libpixman-1-dev
  wine64 xvfb xauth imagemagick xdotool fonts-liberation locales dpkg-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

toolchain="$root/cmake/mingw-w64.cmake"
mingw="$cache/mingw"   # Windows builds of the third-party libraries

# GoogleTest for Windows, from Debian's sources.
if [ ! -f "$mingw/lib/libgtest.a" ]; then
  echo "setup: building GoogleTest for Windows"
  rm -rf "$cache/gtest-build"
  cmake -S /usr/src/googletest -B "$cache/gtest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$mingw" -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$cache/gtest-build" >/dev/null
  cmake --install "$cache/gtest-build" >/dev/null
  rm -rf "$cache/gtest-build"
fi

# libjpeg for Windows, from Debian's libjpeg-turbo source package.
if [ ! -f "$mingw/lib/libjpeg.a" ]; then
  echo "setup: building libjpeg for Windows"
  src_list=/etc/apt/sources.list.d/deb-src.sources
  if ! grep -rqs "^Types:.*deb-src" /etc/apt/sources.list.d/ && ! grep -qs "^deb-src" /etc/apt/sources.list; then
    # Same archive as the binary packages, for source packages.
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$src_list"
    apt-get update -qq
  fi
  rm -rf "$cache/jpeg-src" && mkdir -p "$cache/jpeg-src"
  (cd "$cache/jpeg-src" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
  jsrc=$(find "$cache/jpeg-src" -maxdepth 1 -mindepth 1 -type d -name 'libjpeg-turbo*' | head -n 1)
  cmake -S "$jsrc" -B "$cache/jpeg-src/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$mingw" -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF \
    -DCMAKE_INSTALL_LIBDIR="$mingw/lib" -DCMAKE_INSTALL_INCLUDEDIR="$mingw/include" -DCMAKE_INSTALL_BINDIR="$mingw/bin" -DCMAKE_INSTALL_DATAROOTDIR="$mingw/share" >/dev/null
  cmake --build "$cache/jpeg-src/build" >/dev/null
  cmake --install "$cache/jpeg-src/build" >/dev/null
  rm -rf "$cache/jpeg-src"
fi

# A Russian UTF-8 locale for the code page 1251 run of the window tests. Without a working one
# Wine falls back to code page 1252 and that run would test the wrong code page, so stop instead.
locales="$cache/locale"
russian_locale_works() { [ "$(LOCPATH="$locales" LC_ALL=ru_RU.UTF-8 locale charmap 2>/dev/null)" = UTF-8 ]; }
if ! russian_locale_works; then
  rm -rf "$locales/ru_RU.UTF-8"
  mkdir -p "$locales"
  rc=0
  localedef -i ru_RU -f UTF-8 "$locales/ru_RU.UTF-8" || rc=$?  # 1: written, with warnings
  if [ "$rc" -gt 1 ] || ! russian_locale_works; then
    rm -rf "$locales/ru_RU.UTF-8"
    echo "setup: cannot make the Russian UTF-8 locale in $locales (localedef -i ru_RU -f UTF-8" \
         "ended with $rc; it needs the 'locales' package); the code page 1251 window tests need it" >&2
    exit 1
  fi
fi

"$root/scripts/wine-prefix.sh"
