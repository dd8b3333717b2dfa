#!/usr/bin/env bash
# Builds the game's libraries for 64-bit Windows from the source archives in
# third_party/ (each checked against third_party/SHA256SUMS first) with
# Debian's mingw-w64 cross compiler, into one prefix, and prints its path.
# The prefix is kept in a cache outside the source tree, keyed by the
# archives' hashes, this script, the toolchain file and the cross compiler's
# version, so only the first build pays. A failed build keeps its folder and
# logs, says where, and prints the end of the log that failed.
# usage: scripts/build-windows-libs.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
host=x86_64-w64-mingw32
compiler=$($host-gcc --version) # captured: a pipe from it would hide its failure
source "$top/scripts/libs-cache.sh"
libs_start windows "$0" "$top/cmake/mingw-w64.cmake" <(printf '%s\n' "$compiler")
# Built under a fixed name and the build folders mapped out of the objects
# and the DLLs' time stamps left out, so any cache folder gives the same bytes.
export CFLAGS="-O2 -ffile-prefix-map=$work=/vorkkeli-libs" LDFLAGS="-Wl,--no-insert-timestamp"
export SOURCE_DATE_EPOCH=0
export PKG_CONFIG_LIBDIR=$out/lib/pkgconfig:/usr/$host/lib/pkgconfig PKG_CONFIG_PATH= # zlib is Debian's
export PATH=$out/bin:$PATH # sdl-config of the cross-built SDL 1.2
autotools() { # configure options...
  step configure ./configure --host=$host --prefix="$out" "$@"
  step make make -j "$jobs"
  step install make install
}
cmake_build() { # cmake options...
  step cmake cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" -DVORKKELI_WINDOWS_PREFIX="$out" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$out" "$@"
  step make cmake --build build -j "$jobs"
  step install cmake --install build
}

unpack libpng-1.6.58 Windows
autotools --disable-tests --disable-tools --enable-shared --disable-static
unpack SDL2-2.32.10 Windows
cmake_build -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF
unpack sdl12-compat-1.2.68 Windows
cmake_build -DSDL12TESTS=OFF -DSDL2_INCLUDE_DIR="$out/include/SDL2"
unpack SDL_image-1.2.12 Windows
# Without libpng found, SDL_image builds all the same and loads no PNG: it is
# handed libpng's flags, and both its configure's word and the DLL's imports
# are checked.
autotools --disable-static --disable-png-shared --disable-bmp --disable-gif --disable-jpg --disable-lbm \
  --disable-pcx --disable-pnm --disable-tga --disable-tif --disable-xcf --disable-xpm --disable-xv --disable-webp \
  LIBPNG_CFLAGS="-I$out/include/libpng16" LIBPNG_LIBS="-L$out/lib -lpng16 -lz"
configured=$(cat "$work/$name-configure.log")
[[ $configured != *"PNG image loading disabled"* ]] || fail "SDL_image's configure found no libpng"
imports=$($host-objdump -p "$out/bin/SDL_image.dll")
[[ $imports == *"DLL Name: libpng16"* ]] || fail "SDL_image was built without PNG support"
unpack SDL_mixer-1.2.12 Windows
autotools --disable-static --disable-music-cmd --disable-music-mod --disable-music-midi --disable-music-ogg \
  --disable-music-flac --disable-music-mp3 --disable-music-mp3-mad-gpl --disable-smpegtest
unpack SDL_gfx-2.0.27 Windows
autotools --disable-static --disable-mmx

# The build's own prefix written into the libraries' pkg-config, libtool and
# *-config files becomes the cache folder they now live in.
mapfile -t written < <(grep -rlF "$out" "$out/lib" "$out/bin")
for file in "${written[@]}"; do
  case "$file" in *.dll | *.a) ;; *) sed -i "s|$out|$prefix|g" "$file" ;; esac
done
libs_done
