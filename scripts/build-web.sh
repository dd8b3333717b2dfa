#!/usr/bin/env bash
# Builds vorkkeli for the browser: the libraries (once, cached; see
# build-web-libs.sh), then the page and the replay tool for node into
# build-web/build, or FOLDER/build, and packs what a web host serves, or a
# player opens by double-click, into vorkkeli-VERSION-web.zip: index.html at
# its root, the game's one script (its WebAssembly, pictures and sound
# inside), the icon and the licences. Prints the zip's path. Two builds of
# one commit in different folders give the same bytes.
# usage: scripts/build-web.sh [BUILD_FOLDER]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$(mkdir -p "${1:-$top/build-web}" && cd "${1:-$top/build-web}" && pwd)
source "$top/scripts/cross-build.sh"
"$top/scripts/setup.sh" web >&2
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs} # emcc's own JavaScript needs acorn from there
prefix=$("$top/scripts/build-web-libs.sh")
export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig PKG_CONFIG_PATH=
echo "Building $dir/ for the browser" >&2
cross_build "$dir" "$prefix" -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
  -DCMAKE_BUILD_TYPE=Release

version=$(project_version "$dir/build")
name=vorkkeli-$version-web
stage=$dir/$name
rm -rf "$stage" && mkdir -p "$stage"
cp "$dir/build/index.html" "$dir/build/vorkkeli.js" "$stage/"
cp "$top/desktop/icon-32.png" "$stage/icon.png"
cp "$top/LICENSE" "$stage/LICENSE.txt"
"$top/packaging/licences.sh" "$stage"
tar -xzOf "$top/third_party/zlib-1.3.1.tar.gz" zlib-1.3.1/LICENSE >"$stage/licences/zlib.txt"
python3 "$top/packaging/pack-zip.py" "$stage" "$dir/$name.zip" "$SOURCE_DATE_EPOCH" --at-root
echo "$dir/$name.zip"
