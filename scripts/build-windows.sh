#!/usr/bin/env bash
# Cross-builds vorkkeli for 64-bit Windows: the libraries (once, cached; see
# build-windows-libs.sh), then the game and the replay tool into
# build-windows/, or the folder named first, and packs the zip a player
# unpacks: vorkkeli-VERSION-windows-x64.zip. Prints the zip's path. Two
# builds of one commit in different folders give the same bytes.
# usage: scripts/build-windows.sh [BUILD_FOLDER]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$(mkdir -p "${1:-$top/build-windows}" && cd "${1:-$top/build-windows}" && pwd)
host=x86_64-w64-mingw32
prefix=$("$top/scripts/build-windows-libs.sh")
export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig:/usr/$host/lib/pkgconfig PKG_CONFIG_PATH=
echo "Building $dir/ for Windows" >&2
cmake -S "$top" -B "$dir/build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" \
  -DVORKKELI_WINDOWS_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release >"$dir/cmake.log" 2>&1 ||
  { cat "$dir/cmake.log" >&2; exit 1; }
cmake --build "$dir/build" -j "$(nproc)" >"$dir/build.log" 2>&1 || { tail -n 40 "$dir/build.log" >&2; exit 1; }
echo "$dir/build"
