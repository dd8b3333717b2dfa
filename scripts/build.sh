#!/usr/bin/env bash
# Builds everything into build/, or into the folder named first. Configures
# only a folder that is not configured yet, so a built checkout builds even
# where it cannot be written; --configure configures again (the test command
# does, to find what it installed since). Further arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
configure=false
[ "${1:-}" == --configure ] && configure=true && shift
if $configure || [ ! -f "$dir/CMakeCache.txt" ]; then
  echo "Configuring $dir/"
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
fi
echo "Building $dir/"
cmake --build "$dir" -j "$(nproc)"
