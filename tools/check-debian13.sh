#!/usr/bin/env bash
# Plays the golden drive on Debian 13 (trixie): makes once, and keeps in
# ${XDG_CACHE_HOME:-~/.cache}/vorkkeli/, a minimal Debian 13 root holding the
# game's runtime libraries, runs the replay tool built here inside it, and
# compares the trace and the three frames with the golden files. Prints the
# SDL versions it found there. Installs nothing on this machine: it needs
# debootstrap (apt-get install debootstrap) and root, for the chroot. The
# Debian mirror is the one this machine's apt uses (or DEBIAN_MIRROR). With
# --package it also builds the Debian package here, lets Debian 13's apt
# resolve it on an empty system (a simulation), and starts the unpacked game
# in the root with the dummy video driver.
# usage: tools/check-debian13.sh [--package]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=${XDG_CACHE_HOME:-$HOME/.cache}/vorkkeli/debian13
source "$top/tools/apt-mirror.sh"
mirror=$(apt_mirror)
[ -n "$mirror" ] || { echo "no Debian mirror in apt's sources: set DEBIAN_MIRROR" >&2; exit 2; }
libraries=libsdl1.2debian,libsdl-gfx1.2-5,libsdl-image1.2,libsdl-mixer1.2,libpng16-16t64,libstdc++6
command -v debootstrap >/dev/null || { echo "needs debootstrap: apt-get install debootstrap" >&2; exit 2; }
[ -x "$top/build/vorkkeli-replay" ] || "$top/scripts/build.sh" >/dev/null

if [ ! -f "$root/.complete" ]; then
  echo "Making a minimal Debian 13 root in $root (once)"
  rm -rf "$root" && mkdir -p "$root"
  debootstrap --variant=minbase --include="$libraries" trixie "$root" "$mirror" >"$root.log" 2>&1 ||
    { echo "debootstrap failed; see $root.log" >&2; exit 1; }
  touch "$root/.complete"
fi
for package in libsdl1.2debian libsdl2-2.0-0 libsdl-gfx1.2-5 libsdl-image1.2 libsdl-mixer1.2; do
  printf '%-18s %s\n' "$package" "$(chroot "$root" dpkg-query -W -f='${Version}' "$package" 2>/dev/null || echo missing)"
done

# The replay, its assets and the drive in a scratch folder inside the root.
run=$root/tmp/golden
rm -rf "$run" && mkdir -p "$run"
cp "$top/build/vorkkeli-replay" "$top"/assets/* "$top/tests/golden/drive.txt" "$run/"
chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  sh -c 'cd /tmp/golden && ./vorkkeli-replay --shot 40:grip.png --shot 168:engine.png --shot 784:marks.png \
    <drive.txt >drive.trace 2>stderr'
status=0
if cmp -s "$run/drive.trace" "$top/tests/golden/drive.trace"; then
  echo "trace: identical ($(wc -l <"$run/drive.trace") frames)"
else
  echo "trace: DIFFERS"; diff "$top/tests/golden/drive.trace" "$run/drive.trace" >"$run/trace.diff" || true
  sed 6q "$run/trace.diff"; status=1
fi
for name in grip engine marks; do
  pixels=$(compare -metric AE "$top/tests/golden/$name.png" "$run/$name.png" null: 2>&1 || true)
  echo "$name.png: $pixels pixels differ"
  [ "$pixels" == 0 ] || status=1
done
[ -s "$run/stderr" ] && { echo "stderr:"; cat "$run/stderr"; status=1; }
[ "${1:-}" == --package ] || exit $status

deb=$("$top/scripts/package.sh")
cp /etc/resolv.conf "$root/etc/resolv.conf"
chroot "$root" apt-get update -qq
cp "$deb" "$run/vorkkeli.deb" && : >"$run/empty-status"
echo "apt on Debian 13, an empty system, installing the package (simulated):"
chroot "$root" apt-get install -s -o Dir::State::status=/tmp/golden/empty-status /tmp/golden/vorkkeli.deb |
  grep -E '^Inst (libsdl|vorkkeli)' || status=1
dpkg-deb -x "$deb" "$run/unpacked"
chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=disk \
  SDL_DISKAUDIOFILE=/tmp/golden/audio.raw /tmp/golden/unpacked/usr/games/vorkkeli 2>"$run/game.err" &
game=$!
until [ -s "$run/audio.raw" ] || ! kill -0 $game 2>/dev/null; do sleep 0.1; done
kill -TERM $game 2>/dev/null || true
game_status=0 && wait $game || game_status=$?
echo "the unpacked game in the Debian 13 root: status $game_status, load errors: $(grep -c 'ei onnistu' "$run/game.err" || true)"
[ "$game_status" == 0 ] || status=1
exit $status
