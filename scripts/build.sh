#!/usr/bin/env bash
# Configures and builds everything: into build/, or into the folder
# named first, with any further arguments passed to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
# Configure every time: it is quick, and it finds what was installed since
# (GoogleTest and Google Benchmark come with the test command only).
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
