#!/usr/bin/env bash
# Builds the game's libraries for the browser from the source archives in
# third_party/ (each checked against third_party/SHA256SUMS first) with
# Debian's Emscripten, into one prefix of static libraries and headers, and
# prints its path. SDL 2 is linked into the same program as SDL 1.2 on SDL 2
# (nothing can be loaded at run time in a page): its functions are renamed
# SDL2_*, and the patches in third_party/web/ give sdl12-compat a table of
# them and fit SDL 2 to this Emscripten. The prefix is kept in a cache outside
# the source tree, keyed by the archives, the patches, this script and the
# compiler's version, so only the first build pays. A failed build keeps its
# folder and logs, says where, and prints the end of the log that failed.
# usage: scripts/build-web-libs.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs} # emcc's own JavaScript needs acorn from there
compiler=$(emcc --version) # captured: a pipe from it would hide its failure
source "$top/scripts/libs-cache.sh"
libs_start web "$0" "$top"/third_party/web/*.patch <(printf '%s\n' "$compiler")
patches=$top/third_party/web
mkdir -p "$out/lib" "$out/include/SDL"
# The build folders mapped out of the objects, so any cache folder gives the same bytes.
flags=(-O2 "-ffile-prefix-map=$work=/vorkkeli-libs")
# Compiles the C files named into lib/LIBRARY.a, one per core at a time,
# each object beside its source.
archive() { # library, compiler options..., --, files...
  local library=$1 options=()
  shift
  while [ "$1" != -- ]; do options+=("$1"); shift; done
  shift
  printf '%s\0' "$@" >"$work/$name-files.txt"
  step compile xargs -0 -P "$jobs" -I{} emcc -c "${flags[@]}" "${options[@]}" {} -o {}.o <"$work/$name-files.txt"
  step archive emar rcsD "$out/lib/$library.a" "${@/%/.o}"
}

unpack zlib-1.3.1 "the browser"
archive libz -DHAVE_UNISTD_H -- adler32.c compress.c crc32.c deflate.c gzclose.c gzlib.c gzread.c gzwrite.c \
  infback.c inffast.c inflate.c inftrees.c trees.c uncompr.c zutil.c
cp zlib.h zconf.h "$out/include/"

unpack libpng-1.6.58 "the browser"
cp scripts/pnglibconf.h.prebuilt pnglibconf.h
archive libpng16 "-I$out/include" -- png.c pngerror.c pngget.c pngmem.c pngpread.c pngread.c pngrio.c \
  pngrtran.c pngrutil.c pngset.c pngtrans.c pngwio.c pngwrite.c pngwtran.c pngwutil.c
cp png.h pngconf.h pnglibconf.h "$out/include/"

unpack SDL2-2.32.10 "the browser"
# Every public function renamed, through a header given to each file first;
# the list is SDL's own, of the functions it exports.
mapfile -t renames < <(sed -n 's/^SDL_DYNAPI_PROC([^,]*,SDL_\([A-Za-z0-9_]*\),.*/#define SDL_\1 SDL2_\1/p' \
  src/dynapi/SDL_dynapi_procs.h)
[ ${#renames[@]} -gt 700 ] || fail "SDL 2's function list was not read (${#renames[@]} names)"
printf '%s\n' "/* SDL 2 beside SDL 1.2 in one program: every function renamed */" "#define SDL2_RENAMED 1" \
  "${renames[@]}" >"$work/sdl2_renamed.h"
# Compiled straight from SDL's own Emscripten configuration (the patch adds
# the dummy video driver), which spares its CMake build six minutes of checks.
shopt -s nullglob
sources=(src/*.c src/{atomic,audio,cpuinfo,dynapi,events,file,haptic,hidapi,joystick,libm,locale,misc,power}/*.c
  src/{render,sensor,stdlib,thread,timer,video}/*.c src/audio/{disk,dummy,emscripten}/*.c
  src/{filesystem,joystick,locale,misc,power,video}/emscripten/*.c src/{haptic,sensor,video}/dummy/*.c
  src/joystick/virtual/*.c src/loadso/dlopen/*.c src/main/dummy/*.c src/render/{opengles2,software}/*.c
  src/thread/generic/*.c src/timer/unix/*.c src/video/yuv2rgb/*.c)
shopt -u nullglob
archive libSDL2 -include "$work/sdl2_renamed.h" -Iinclude -- "${sources[@]}"
mkdir -p "$out/include/SDL2"
cp include/*.h "$out/include/SDL2/"
sdl2_include=$out/include/SDL2

unpack sdl12-compat-1.2.68 "the browser"
archive libSDL -DSDL12_STATIC_SDL2 "-I$sdl2_include" -- src/SDL12_compat.c
cp include/SDL/*.h "$out/include/SDL/"
sdl12=(-I"$out/include/SDL" -I"$out/include")

unpack SDL_image-1.2.12 "the browser"
archive libSDL_image "${sdl12[@]}" -DLOAD_PNG -- IMG.c IMG_bmp.c IMG_gif.c IMG_jpg.c IMG_lbm.c IMG_pcx.c \
  IMG_png.c IMG_pnm.c IMG_tga.c IMG_tif.c IMG_webp.c IMG_xcf.c IMG_xpm.c IMG_xv.c IMG_xxx.c
cp SDL_image.h "$out/include/SDL/"

unpack SDL_mixer-1.2.12 "the browser"
archive libSDL_mixer "${sdl12[@]}" -DWAV_MUSIC -- mixer.c music.c effects_internal.c effect_position.c \
  effect_stereoreverse.c load_aiff.c load_voc.c wavestream.c
cp SDL_mixer.h "$out/include/SDL/"

unpack SDL_gfx-2.0.27 "the browser"
archive libSDL_gfx "${sdl12[@]}" -- SDL_framerate.c SDL_gfxBlitFunc.c SDL_gfxPrimitives.c SDL_imageFilter.c \
  SDL_rotozoom.c
cp SDL_framerate.h SDL_gfxBlitFunc.h SDL_gfxPrimitives.h SDL_gfxPrimitives_font.h SDL_imageFilter.h \
  SDL_rotozoom.h "$out/include/SDL/"

# pkg-config's files, each library by its full path: emcc's -lSDL would be
# its own JavaScript SDL 1.2, not this one.
pc() { # name, libraries..., then the text after them
  local name=$1 libs=()
  shift
  while [ $# -gt 0 ]; do libs+=("\${libdir}/lib$1.a"); shift; done
  printf '%s\n' "prefix=$prefix" 'includedir=${prefix}/include' 'libdir=${prefix}/lib' "Name: $name" \
    "Description: $name for the browser" "Version: $version" \
    'Cflags: -I${includedir}/SDL -I${includedir}' "Libs: ${libs[*]}" >"$out/lib/pkgconfig/$name.pc"
}
mkdir -p "$out/lib/pkgconfig"
version=1.2.68 pc sdl SDL SDL2
version=1.2.12 pc SDL_image SDL_image png16 z SDL SDL2
version=1.2.12 pc SDL_mixer SDL_mixer SDL SDL2
version=2.0.27 pc SDL_gfx SDL_gfx SDL SDL2
version=1.6.58 pc libpng png16 z

libs_done
