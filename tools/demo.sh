#!/usr/bin/env bash
# Without a display: drives the scripted demo (docs/demo-drive.txt) through
# vorkkeli-replay and writes it as an animated GIF, by default build/demo.gif
# (or, where build/ cannot be written, a folder under /tmp). Prints its path.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
gif=${1:-$top/build/demo.gif}
if [ -z "${1:-}" ] && ! [ -w "$top/build" ]; then
  gif=$(mktemp -d "${TMPDIR:-/tmp}/vorkkeli-demo.XXXXXX")/demo.gif
fi
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT

# Every fifth frame of the game's 60 a second: 12 pictures a second.
count=$(grep -cv '^#' "$top/docs/demo-drive.txt")
shots=()
for ((n = 5; n <= count; n += 5)); do
  shots+=(--shot "$n:$(printf '%s/%05d.png' "$frames" "$n")")
done
(cd "$top/assets" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  "$top/build/vorkkeli-replay" "${shots[@]}" <"$top/docs/demo-drive.txt" >/dev/null)

mkdir -p "$(dirname "$gif")"
convert -delay 8 -loop 0 "$frames"/*.png -resize 50% -layers Optimize "$gif"
echo "$gif"
