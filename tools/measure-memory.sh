#!/usr/bin/env bash
# Memory over a run of the game's own frames (the golden drive, repeated):
# valgrind's leak check on one pass, and the peak resident size after a
# thousand frames and after a hundred thousand (the car is turned afresh,
# made and released, every frame, so the two should match).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" measure
"$top/scripts/build.sh" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$top/assets"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
grep -v '^#' "$top/tests/golden/drive.txt" >"$work/drive"

valgrind --suppressions="$top/tools/valgrind.supp" --leak-check=full --errors-for-leak-kinds=definite \
  "$top/build/vorkkeli-replay" <"$work/drive" 2>&1 >/dev/null | grep -E "definitely lost|ERROR SUMMARY" |
  sed 's/^==[0-9]*== */valgrind: /'
for frames in 1000 100000; do
  python3 -c 'import sys; lines = open(sys.argv[1]).read().splitlines(); n = int(sys.argv[2])
print("\n".join((lines * (n // len(lines) + 1))[:n]))' "$work/drive" "$frames" >"$work/script"
  /usr/bin/time -f "peak resident memory after $frames frames: %M KiB" \
    "$top/build/vorkkeli-replay" <"$work/script" >/dev/null
done
