#!/usr/bin/env bash
# Runs the README's test command as a new player would: in a fresh Debian 12
# (bookworm) root made by debootstrap from the Debian mirror this machine's
# apt uses, holding only a minimal system and git, on a clean clone of this
# repository's HEAD. Nothing of this machine's installs, caches or home goes
# in: ./check installs its packages there and builds every library cold. The
# root is made anew each run under FOLDER (default build-fresh/) and left
# there with the run's log (check.log) for a look afterwards; the mounts it
# needs live only as long as the run (a mount namespace of its own). Needs
# root; installs debootstrap here when it is missing. Prints the time taken
# and ./check's result, and exits with its status.
# usage: tools/check-fresh.sh [FOLDER]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mkdir -p "${1:-$top/build-fresh}" && cd "${1:-$top/build-fresh}" && pwd)
root=$folder/root
[ "$(id -u)" -eq 0 ] || { echo "tools/check-fresh.sh needs root (debootstrap, chroot, mounts)" >&2; exit 2; }
command -v debootstrap >/dev/null ||
  { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null; }
source "$top/tools/apt-mirror.sh"
mirror=$(apt_mirror)
[ -n "$mirror" ] || { echo "no Debian mirror in apt's sources: set DEBIAN_MIRROR" >&2; exit 2; }

started=$SECONDS
rm -rf "$root" && mkdir -p "$root"
echo "Making a fresh Debian 12 root in $root"
debootstrap --variant=minbase --include=git,ca-certificates bookworm "$root" "$mirror" >"$folder/debootstrap.log" 2>&1 ||
  { echo "debootstrap failed; see $folder/debootstrap.log" >&2; exit 1; }
# The same archives as here, the security updates among them.
cp /etc/apt/sources.list "$root/etc/apt/" 2>/dev/null || true
cp /etc/apt/sources.list.d/* "$root/etc/apt/sources.list.d/" 2>/dev/null || true
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q "$top" "$root/root/vorkkeli"
echo "Running ./check in it (the log: $folder/check.log)"
status=0
unshare --mount --propagation private -- bash -c '
  set -euo pipefail
  root=$1
  mount -t proc proc "$root/proc"
  mount -t sysfs sys "$root/sys"
  mount --rbind /dev "$root/dev"
  mount -t tmpfs tmpfs "$root/dev/shm"
  mount -t tmpfs tmpfs "$root/tmp"
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 CI=true \
    bash -c "cd /root/vorkkeli && ./check </dev/null"' _ "$root" >"$folder/check.log" 2>&1 || status=$?
minutes=$(((SECONDS - started) / 60)) seconds=$(((SECONDS - started) % 60))
tail -n 3 "$folder/check.log"
echo "A fresh Debian 12: ./check ended with status $status after ${minutes} min ${seconds} s"
exit "$status"
