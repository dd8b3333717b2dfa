#!/usr/bin/env bash
# Builds the Debian package as Debian lays out games, reproducibly: into
# build-deb/, or the folder named first, and prints the package's path. Two
# builds of one commit in different folders give the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-deb}
scripts/setup.sh package >&2
# Without dpkg-shlibdeps CPack would leave every library but SDL 1.2 out of
# the package's Depends, and say nothing.
if ! command -v dpkg-shlibdeps >/dev/null || ! command -v file >/dev/null; then
  echo "Cannot work out the package's dependencies: dpkg-shlibdeps (dpkg-dev) and file are needed." >&2
  exit 1
fi
# Every time stamp in the package is the last commit's.
top=$PWD
source scripts/cross-build.sh
# Only the game is built; the package's install does not wait for the tools.
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORKKELI_GAMES_LAYOUT=ON \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$dir" -j "$(nproc)" --target vorkkeli manual >/dev/null
(cd "$dir" && cpack -G DEB >cpack.log 2>&1) || { cat "$dir/cpack.log" >&2; exit 1; }
echo "$(cd "$dir" && pwd)/vorkkeli_$(project_version "$dir")_$(dpkg --print-architecture).deb"
