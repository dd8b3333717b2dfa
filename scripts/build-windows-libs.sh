#!/usr/bin/env bash
# Builds the game's libraries for 64-bit Windows from the source archives in
# third_party/ (each checked against third_party/SHA256SUMS first) with
# Debian's mingw-w64 cross compiler, into one prefix, and prints its path.
# The prefix is kept in a cache outside the source tree, keyed by the
# archives' hashes and this script, so only the first build pays.
# usage: scripts/build-windows-libs.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
host=x86_64-w64-mingw32
cache=${VORKKELI_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vorkkeli}
key=$(cat "$top/third_party/SHA256SUMS" "$0" | sha256sum | cut -c1-16)
prefix=$cache/windows-libs-$key
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

(cd "$top/third_party" && sha256sum --quiet -c SHA256SUMS) >&2 ||
  { echo "third_party/: an archive does not match SHA256SUMS" >&2; exit 1; }
mkdir -p "$cache"
# Built under a fixed name and the build folders mapped out of the objects
# and the DLLs' time stamps left out, so any cache folder gives the same bytes.
work=$(mktemp -d "$cache/build.XXXXXX")
trap 'rm -rf "$work"' EXIT
out=$work/prefix
mkdir -p "$out"
export CFLAGS="-O2 -ffile-prefix-map=$work=/vorkkeli-libs" LDFLAGS="-Wl,--no-insert-timestamp"
export SOURCE_DATE_EPOCH=0
export PKG_CONFIG_LIBDIR=$out/lib/pkgconfig:/usr/$host/lib/pkgconfig PKG_CONFIG_PATH= # zlib is Debian's
export PATH=$out/bin:$PATH # sdl-config of the cross-built SDL 1.2
jobs=$(nproc)
unpack() { echo "Building $1 for Windows" >&2; tar -xzf "$top/third_party/$1.tar.gz" -C "$work"; cd "$work/$1"; }
autotools() { # configure options...
  ./configure --host=$host --prefix="$out" "$@" >"$work/configure.log" 2>&1 ||
    { tail -n 30 "$work/configure.log" >&2; exit 1; }
  make -j "$jobs" >"$work/make.log" 2>&1 || { tail -n 30 "$work/make.log" >&2; exit 1; }
  make install >"$work/install.log" 2>&1 || { tail -n 30 "$work/install.log" >&2; exit 1; }
}
cmake_build() { # cmake options...
  cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" -DVORKKELI_WINDOWS_PREFIX="$out" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$out" "$@" >"$work/cmake.log" 2>&1 ||
    { tail -n 30 "$work/cmake.log" >&2; exit 1; }
  cmake --build build -j "$jobs" >"$work/make.log" 2>&1 || { tail -n 30 "$work/make.log" >&2; exit 1; }
  cmake --install build >/dev/null
}

unpack libpng-1.6.58
autotools --disable-tests --disable-tools --enable-shared --disable-static
unpack SDL2-2.32.10
cmake_build -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF
unpack sdl12-compat-1.2.68
cmake_build -DSDL12TESTS=OFF -DSDL2_INCLUDE_DIR="$out/include/SDL2"
unpack SDL_image-1.2.12
autotools --disable-static --disable-png-shared --disable-bmp --disable-gif --disable-jpg --disable-lbm \
  --disable-pcx --disable-pnm --disable-tga --disable-tif --disable-xcf --disable-xpm --disable-xv --disable-webp
# Without libpng found, SDL_image builds all the same and loads no PNG.
x86_64-w64-mingw32-objdump -p "$out/bin/SDL_image.dll" | grep -q 'DLL Name: libpng16' ||
  { echo "SDL_image was built without PNG support" >&2; exit 1; }
unpack SDL_mixer-1.2.12
autotools --disable-static --disable-music-cmd --disable-music-mod --disable-music-midi --disable-music-ogg \
  --disable-music-flac --disable-music-mp3 --disable-music-mp3-mad-gpl --disable-smpegtest
unpack SDL_gfx-2.0.27
autotools --disable-static --disable-mmx

# The build's own prefix written into the libraries' pkg-config, libtool and
# *-config files becomes the cache folder they now live in.
grep -rlF "$out" "$out/lib" "$out/bin" | while read -r file; do
  case "$file" in *.dll | *.a) ;; *) sed -i "s|$out|$prefix|g" "$file" ;; esac
done
rm -rf "$prefix" && mv "$out" "$prefix" && touch "$prefix/.complete"
echo "$prefix"
