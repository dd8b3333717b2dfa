#!/usr/bin/env bash
# Regenerates the README's pictures of both views from the committed assets,
# through vorkkeli-replay --shot (the game's own frames, nothing shown).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" >/dev/null
cd "$top/assets"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

# A few frames of throttle with the pointer right, the car turning on the road;
# then the engine view near the bottom of the piston's swing.
{
  for _ in $(seq 1 14); do echo '500 1 -'; done
  echo '320 0 283'
  for _ in $(seq 1 99); do echo '320 0 -'; done
} | "$top/build/vorkkeli-replay" --shot "14:$top/docs/driving.png" --shot "114:$top/docs/engine.png" >/dev/null
echo "wrote docs/driving.png and docs/engine.png"
