#!/usr/bin/env bash
# Prints the folder of a Debian 12 arm64 root to cross-build against: the
# game's -dev packages and everything they and SDL need at run time,
# downloaded from the machine's own Debian mirror with an apt of its own and
# unpacked, never installed on this machine (its amd64 -dev packages cannot
# live beside arm64 ones). Its var/lib/dpkg knows the packages by the paths
# they were unpacked to, so dpkg-shlibdeps finds which package brings each
# library. Made once and kept in the cache folder, keyed by this script.
# usage: scripts/arm64-sysroot.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
packages=(libsdl1.2-compat-dev libsdl-image1.2-dev libsdl-gfx1.2-dev libsdl-mixer1.2-dev libpng-dev libx11-dev libc6-dev)
cache=${VORKKELI_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vorkkeli}
key=$(cat "$0" "$top/tools/apt-mirror.sh" | sha256sum | cut -c1-16)
root=$cache/arm64-sysroot-$key
if [ -f "$root/.complete" ]; then
  echo "$root"
  exit 0
fi
source "$top/tools/apt-mirror.sh"
mirror=$(apt_mirror)
[ -n "$mirror" ] || { echo "No Debian mirror in this machine's apt sources (set DEBIAN_MIRROR)" >&2; exit 1; }
mkdir -p "$cache"
work=$(mktemp -d "$cache/arm64.XXXXXX")
trap 'echo "The arm64 root could not be made; its folder and logs are kept in $work" >&2' EXIT
echo "Making an arm64 root from $mirror" >&2
mkdir -p "$work"/apt/{lists,archives}/partial "$work/root/var/lib/dpkg/info" "$work/control"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
for suite in bookworm bookworm-updates; do
  echo "deb [arch=arm64 signed-by=$keyring] $mirror $suite main"
done >"$work/sources.list"
echo "deb [arch=arm64 signed-by=$keyring] ${mirror%/debian*}/debian-security bookworm-security main" >>"$work/sources.list"
: >"$work/status"
apt=(apt-get -q -o APT::Architecture=arm64 -o APT::Architectures=arm64 -o Debug::NoLocking=1
  -o Dir::State="$work/apt" -o Dir::State::status="$work/status" -o Dir::Cache="$work/apt"
  -o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts="$work/control"
  -o Dir::Etc::Preferences="$work/none" -o Dir::Etc::PreferencesParts="$work/control"
  -o pkgCacheGen::Essential=none)
"${apt[@]}" update >"$work/update.log" 2>&1 || { tail -n 20 "$work/update.log" >&2; exit 1; }
"${apt[@]}" install --download-only --no-install-recommends -y "${packages[@]}" >"$work/download.log" 2>&1 ||
  { tail -n 20 "$work/download.log" >&2; exit 1; }

# Each package unpacked, and recorded as dpkg would: its status, its files
# (by their paths in this root) and its symbols and shlibs files, under the
# name dpkg gives it (with :arm64 when several architectures may hold it).
admin=$work/root/var/lib/dpkg
echo arm64 >"$admin/arch"
echo 1 >"$admin/info/format" # package files named package:arch
for deb in "$work"/apt/archives/*.deb; do
  package=$(dpkg-deb -f "$deb" Package)
  name=$package
  [ "$(dpkg-deb -f "$deb" Multi-Arch)" != same ] || name=$package:arm64
  dpkg-deb --vextract "$deb" "$work/root" | sed -e "s|^\./|$root/|" -e 's|/$||' -e "s|^\.\$|$root|" \
    >"$admin/info/$name.list"
  rm -rf "$work/control" && dpkg-deb -e "$deb" "$work/control"
  for kind in symbols shlibs; do
    [ ! -f "$work/control/$kind" ] || cp "$work/control/$kind" "$admin/info/$name.$kind"
  done
  { dpkg-deb -f "$deb" | grep -v '^Status:'; echo "Status: install ok installed"; echo; } >>"$admin/status"
done
rm -rf "$work/control"
# The lists name the root's final place.
rm -rf "$root" && mv "$work/root" "$root" && touch "$root/.complete"
trap - EXIT
rm -rf "$work"
echo "$root"
