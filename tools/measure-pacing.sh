#!/usr/bin/env bash
# Runs the real game in a private X server for a few seconds with frame pacing
# on (the default) and off, and prints frames per second and CPU use for each.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-5}
"$top/scripts/setup.sh" measure
"$top/scripts/build.sh" >/dev/null
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

mkfifo "$work/fd"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/fd" 2>/dev/null &
read -r number <"$work/fd"
export DISPLAY=":$number" SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work"

for pacing in 1 0; do
  label=$([ "$pacing" = 1 ] && echo "pacing on " || echo "pacing off")
  (cd "$top/assets" && SDL12COMPAT_SYNC_TO_VBLANK=$pacing LD_PRELOAD="$top/build/libcount_flips.so" \
     /usr/bin/time -f "cpu=%P" timeout -s TERM "$seconds" "$top/build/vorkkeli") 2>"$work/err" || true
  fps=$(grep -o 'fps=[0-9.]*' "$work/err" | tail -n 1)
  cpu=$(grep -o 'cpu=[0-9]*%' "$work/err" | tail -n 1)
  echo "$label ${fps:-fps=?} ${cpu:-cpu=?}"
done
