# Sourced by the builds for other platforms (build-windows.sh, build-web.sh,
# build-arm64.sh) and package.sh: the time stamp every build of one commit
# shares, the configure-and-build of a cross build with its logs, and the
# project's version.

# The last commit's time (SOURCE_DATE_EPOCH when set), exported for every step.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$(dirname "${BASH_SOURCE[0]}")" log -1 --format=%ct 2>/dev/null || echo 0)}

# cross_build FOLDER LIBRARIES CMAKE_OPTION...: configures FOLDER/build (anew
# when LIBRARIES, the folder of libraries it is built against, changed:
# pkg-config's answers are kept in CMake's cache) and builds it, or the
# targets named in the array targets; the output goes to FOLDER/cmake.log
# and FOLDER/build.log, whose end is shown when a step fails.
targets=()
cross_build() {
  local dir=$1 libraries=$2
  [ "$(cat "$dir/build/libraries" 2>/dev/null)" == "$libraries" ] || rm -rf "$dir/build"
  cmake -S "$top" -B "$dir/build" "${@:3}" >"$dir/cmake.log" 2>&1 || { cat "$dir/cmake.log" >&2; exit 1; }
  echo "$libraries" >"$dir/build/libraries"
  cmake --build "$dir/build" -j "$(nproc)" "${targets[@]}" >"$dir/build.log" 2>&1 ||
    { tail -n 40 "$dir/build.log" >&2; echo "The whole log: $dir/build.log" >&2; exit 1; }
}

project_version() { # build folder
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}
