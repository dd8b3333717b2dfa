#!/usr/bin/env bash
# Cross-builds vorkkeli for 64-bit Windows: the libraries (once, cached; see
# build-windows-libs.sh), then the game and the replay tool into
# build-windows/build, or FOLDER/build, and packs the zip a player unpacks
# into the folder, vorkkeli-VERSION-windows-x64.zip, and the installer made
# from the same files, vorkkeli-VERSION-windows-x64-setup.exe. Prints the
# zip's path. Two builds of one commit in different folders give the same
# bytes.
# usage: scripts/build-windows.sh [BUILD_FOLDER]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$(mkdir -p "${1:-$top/build-windows}" && cd "${1:-$top/build-windows}" && pwd)
host=x86_64-w64-mingw32
"$top/scripts/setup.sh" windows >&2
prefix=$("$top/scripts/build-windows-libs.sh")
export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig:/usr/$host/lib/pkgconfig PKG_CONFIG_PATH=
echo "Building $dir/ for Windows" >&2
# pkg-config's answers are kept in CMake's cache: new libraries, a new folder.
[ "$(cat "$dir/build/libraries" 2>/dev/null)" == "$prefix" ] || rm -rf "$dir/build"
cmake -S "$top" -B "$dir/build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" \
  -DVORKKELI_WINDOWS_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release >"$dir/cmake.log" 2>&1 ||
  { cat "$dir/cmake.log" >&2; exit 1; }
echo "$prefix" >"$dir/build/libraries"
cmake --build "$dir/build" -j "$(nproc)" >"$dir/build.log" 2>&1 || { tail -n 40 "$dir/build.log" >&2; exit 1; }

# The zip: the game and the DLLs it needs, stripped; its files; the licences.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/build/CMakeCache.txt")
name=vorkkeli-$version-windows-x64
stage=$dir/$name
rm -rf "$stage" && mkdir -p "$stage"
cp "$dir/build/vorkkeli.exe" "$prefix"/bin/{SDL,SDL2,SDL_image,SDL_mixer,libSDL_gfx-15,libpng16-16}.dll \
  "/usr/$host/lib/zlib1.dll" "$top"/assets/* "$stage/"
# Same bytes from any folder: strip stamps the time of the last commit,
# the zip has sorted entries, fixed modes and that time (not before 1980).
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$top" log -1 --format=%ct 2>/dev/null || echo 0)}
SOURCE_DATE_EPOCH=$epoch $host-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll
cp "$top/LICENSE" "$stage/LICENSE.txt"
controls=$(sed -n 's/^\([^#][^|]*\) | \(.*\)/  \1|\2/p' "$top/desktop/controls.txt" | awk -F'|' '{printf "%-22s%s\n", $1, $2}')
python3 - "$top/packaging/README-windows.txt" "$version" "$controls" "$top/desktop/messages.txt" \
  >"$stage/README.txt" <<'PY'
import sys, textwrap
template, version, controls, messages = sys.argv[1:]
entries = []
for line in open(messages, encoding="utf-8"):
    if not line.startswith("#") and line.strip():
        where, message, meaning = (part.strip() for part in line.split(" | "))
        if where == "all":
            entries.append("  " + message + "\n" + textwrap.fill(meaning, 74, initial_indent="      ",
                                                                subsequent_indent="      "))
text = open(template, encoding="utf-8").read()
print(text.replace("@VERSION@", version).replace("@CONTROLS@", controls)
      .replace("@MESSAGES@", "\n\n".join(entries)), end="")
PY
"$top/packaging/licences.sh" "$stage"
cp /usr/share/doc/libz-mingw-w64/copyright "$stage/licences/zlib.txt"
# Windows' own line ends in what a player reads.
sed -i 's/$/\r/' "$stage/README.txt" "$stage/LICENSE.txt"
python3 "$top/packaging/pack-zip.py" "$stage" "$dir/$name.zip" "$epoch"

# The installer, from the same files: what it installs and what its
# uninstaller removes, listed from the folder.
python3 - "$stage" "$dir/install-files.nsh" "$dir/uninstall-files.nsh" <<'PY'
import os, sys
stage, install, uninstall = sys.argv[1:]
put, remove, folders = [], [], []
for folder, subfolders, files in sorted(os.walk(stage)):
    subfolders.sort()
    relative = os.path.relpath(folder, stage)
    target = "$INSTDIR" if relative == "." else "$INSTDIR\\" + relative.replace("/", "\\")
    put.append(f'SetOutPath "{target}"')
    for name in sorted(files):
        put.append(f'File "{os.path.join(folder, name)}"')
        remove.append(f'Delete "{target}\\{name}"')
    folders += [target] if relative != "." else []
put.append('SetOutPath "$INSTDIR"')
remove += [f'RMDir "{target}"' for target in reversed(folders)]
open(install, "w").write("\n".join(put) + "\n")
open(uninstall, "w").write("\n".join(remove) + "\n")
PY
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DFILES="$dir/install-files.nsh" \
  -DUNFILES="$dir/uninstall-files.nsh" -DICON="$dir/build/vorkkeli.ico" -DOUT="$dir/$name-setup.exe" \
  "$top/packaging/installer.nsi" >"$dir/makensis.log" 2>&1 || { cat "$dir/makensis.log" >&2; exit 1; }
echo "$dir/$name.zip"
