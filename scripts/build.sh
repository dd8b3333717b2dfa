#!/usr/bin/env bash
# Builds into build/, or into the folder named first: everything, or only the
# targets named with --target. Configures only a folder that is not
# configured yet, so a built checkout builds even where it cannot be written;
# --configure configures again (the test command does, to find what it
# installed since). Further arguments go to cmake. Two builds of one folder
# at once take turns.
# usage: scripts/build.sh [FOLDER] [--configure] [--target NAME]... [CMAKE_OPTION]...
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
configure=false targets=()
while [ $# -gt 0 ]; do
  case "$1" in
  --configure) configure=true ;;
  --target) targets+=(--target "$2") && shift ;;
  *) break ;;
  esac
  shift
done
if mkdir -p "$dir" 2>/dev/null && touch "$dir/.lock" 2>/dev/null; then
  exec 9>"$dir/.lock"
  flock 9
fi
if $configure || [ ! -f "$dir/CMakeCache.txt" ]; then
  echo "Configuring $dir/"
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
fi
echo "Building $dir/"
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
