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
source "$top/scripts/cross-build.sh"
"$top/scripts/setup.sh" windows >&2
prefix=$("$top/scripts/build-windows-libs.sh")
export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig:/usr/$host/lib/pkgconfig PKG_CONFIG_PATH=
echo "Building $dir/ for Windows" >&2
cross_build "$dir" "$prefix" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" \
  -DVORKKELI_WINDOWS_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release

# The zip: the game and the DLLs it needs, stripped; its files; the licences.
version=$(project_version "$dir/build")
name=vorkkeli-$version-windows-x64
stage=$dir/$name
rm -rf "$stage" && mkdir -p "$stage"
cp "$dir/build/vorkkeli.exe" "$prefix"/bin/{SDL,SDL2,SDL_image,SDL_mixer,libSDL_gfx-15,libpng16-16}.dll \
  "/usr/$host/lib/zlib1.dll" "$top"/assets/* "$stage/"
# Same bytes from any folder: strip stamps the time of the last commit,
# the zip has sorted entries, fixed modes and that time (not before 1980).
$host-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll
cp "$top/LICENSE" "$stage/LICENSE.txt"
cmake -DTEMPLATE="$top/packaging/README-windows.txt" -DOUTPUT="$stage/README.txt" -DVERSION="$version" \
  -P "$top/cmake/tables.cmake"
"$top/packaging/licences.sh" "$stage"
cp /usr/share/doc/libz-mingw-w64/copyright "$stage/licences/zlib.txt"
# Windows' own line ends in what a player reads.
sed -i 's/$/\r/' "$stage/README.txt" "$stage/LICENSE.txt"
python3 "$top/packaging/pack-zip.py" "$stage" "$dir/$name.zip" "$SOURCE_DATE_EPOCH"

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
