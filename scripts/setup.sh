#!/usr/bin/env bash
# Installs the Debian packages the game (`play`), its headless demo (`demo`),
# its Debian package (`package`), its page (`web`), its Windows build
# (`windows`), its arm64 build (`arm64`), the test suite (`test`) or the measuring tools (`measure`)
# need, when any is missing. The one list of the project's packages.
set -euo pipefail

# libx11-dev: the edge watches the X display itself (nothing else brings it
# to a bare Debian 12).
play_packages=(
  g++ make cmake pkg-config
  libsdl1.2-compat-dev libsdl-image1.2-dev libsdl-gfx1.2-dev libsdl-mixer1.2-dev
  libpng-dev libx11-dev
)
# Without a display, `play` records a demo drive as a GIF instead.
demo_packages=("${play_packages[@]}" imagemagick)
# The Debian package: dpkg-shlibdeps works out its dependencies, and CPack
# finds the executables with file.
package_packages=("${play_packages[@]}" dpkg-dev file)
# The page: Emscripten and node build it (and run its replay), Chromium plays
# it headless in the tests.
web_packages=(cmake pkg-config patch emscripten nodejs chromium python3)
# The Windows zip and installer: the cross compiler, zlib, NSIS.
windows_packages=(cmake pkg-config make g++-mingw-w64-x86-64 libz-mingw-w64-dev nsis python3)
# Tests add GoogleTest, Google Benchmark (the benchmark is built with them), a
# private X server with window managers (SDL goes full screen through one;
# openbox lets a window be smaller than the screen)
# and the means to drive and read it, the tools that make and compare
# pictures and sound, and the checks a distribution runs on the package: the
# desktop entry's validator, lintian and AppStream's.
# A Wayland compositor (weston) for the game's launch under one; Wine for
# the Windows zip and installer, and icoutils to read the exe's resources
# back; the Windows and the browser builds' packages.
test_packages=(
  "${package_packages[@]}"
  libgtest-dev libbenchmark-dev xvfb xdotool x11-utils matchbox-window-manager openbox weston imagemagick sox python3
  desktop-file-utils lintian appstream
  wine wine64 unzip python3-xlib icoutils "${windows_packages[@]}" "${web_packages[@]}" "${arm64_packages[@]}"
)
# The arm64 build: Debian's cross compiler, the package's tools, and
# qemu-user to run what it built (its libraries come from an arm64 root of
# their own, never installed here).
arm64_packages=(cmake pkg-config make g++-aarch64-linux-gnu dpkg-dev file qemu-user)
measure_packages=("${test_packages[@]}" valgrind time)

case "${1:-}" in
  play) wanted=("${play_packages[@]}") ;;
  demo) wanted=("${demo_packages[@]}") ;;
  package) wanted=("${package_packages[@]}") ;;
  web) wanted=("${web_packages[@]}") ;;
  windows) wanted=("${windows_packages[@]}") ;;
  arm64) wanted=("${arm64_packages[@]}") ;;
  test) wanted=("${test_packages[@]}") ;;
  measure) wanted=("${measure_packages[@]}") ;;
  *) echo "usage: scripts/setup.sh play|demo|package|web|windows|arm64|test|measure" >&2; exit 2 ;;
esac

if ! command -v apt-get >/dev/null || ! command -v dpkg-query >/dev/null; then
  echo "No apt-get here: not checking packages; the build says what is missing."
  exit 0
fi
echo "Checking the Debian packages for $1"
# A package counts when it is installed for this machine's own architecture
# (or for all): a cross build may leave the same package installed for a
# second one, and dpkg-query then lists one status per architecture.
native=$(dpkg --print-architecture)
installed() { # package
  local line
  while read -r line; do
    [ "$line" == "install ok installed $native" ] || [ "$line" == "install ok installed all" ] && return 0
  done < <(dpkg-query -W -f='${Status} ${Architecture}\n' "$1" 2>/dev/null || true)
  return 1
}
missing_packages() {
  missing=()
  for package in "${wanted[@]}"; do installed "$package" || missing+=("$package"); done
}
missing_packages
[ ${#missing[@]} -eq 0 ] && exit 0
# Two callers at once (tests run in parallel) take turns, and the second
# finds the first one's work done instead of queueing on apt's own lock.
exec 8>"${TMPDIR:-/tmp}/vorkkeli-setup.lock"
flock 8
missing_packages
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing with ${sudo[*]:+sudo }apt-get: ${missing[*]}"
echo "apt-get update"
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
echo "apt-get install"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq "${missing[@]}" >&2
