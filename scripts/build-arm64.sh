#!/usr/bin/env bash
# Cross-builds vorkkeli for 64-bit ARM Debian (a Raspberry Pi on Debian or
# Raspberry Pi OS, an ARM laptop): against an arm64 root of Debian's own
# packages (arm64-sysroot.sh), the game and the replay tool into
# build-arm64/build, or FOLDER/build, laid out as Debian lays out games, and
# its Debian package, vorkkeli_VERSION_arm64.deb, depending on Debian's arm64
# libraries. Writes FOLDER/qemu/vorkkeli and vorkkeli-replay, which run them
# under qemu-user here. Prints the package's path. Two builds of one commit
# in different folders give the same bytes.
# usage: scripts/build-arm64.sh [BUILD_FOLDER]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$(mkdir -p "${1:-$top/build-arm64}" && cd "${1:-$top/build-arm64}" && pwd)
source "$top/scripts/cross-build.sh"
"$top/scripts/setup.sh" arm64 >&2
root=$("$top/scripts/arm64-sysroot.sh")
echo "Building $dir/ for arm64" >&2
targets=(--target vorkkeli --target vorkkeli-replay --target manual)
cross_build "$dir" "$root" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/aarch64-linux-gnu.cmake" -DVORKKELI_SYSROOT="$root" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORKKELI_GAMES_LAYOUT=ON -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
# dpkg-shlibdeps finds each library's package in the root's own records.
(cd "$dir/build" && DPKG_ADMINDIR=$root/var/lib/dpkg DEB_HOST_ARCH=arm64 cpack -G DEB >cpack.log 2>&1) ||
  { cat "$dir/build/cpack.log" >&2; exit 1; }
mkdir -p "$dir/qemu"
for program in vorkkeli vorkkeli-replay; do
  printf '#!/bin/sh\n# %s, run under qemu-user with the arm64 root it was built against.\nexec qemu-aarch64 -L "%s" "%s" "$@"\n' \
    "$program" "$root" "$dir/build/$program" >"$dir/qemu/$program"
  chmod +x "$dir/qemu/$program"
done
echo "$dir/build/vorkkeli_$(project_version "$dir/build")_arm64.deb"
