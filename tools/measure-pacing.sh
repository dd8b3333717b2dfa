#!/usr/bin/env bash
# Measures the real game's pacing in a private X server, with its flip
# replaced by made-up displays (tools/fake_display.cpp): simulation steps and
# pictures a second and CPU use on each display, then the time from a key
# press (XTest) to the first flip that shows it, on the 60 Hz display.
# usage: tools/measure-pacing.sh [GAME_BINARY] [SECONDS]   (defaults: build/vorkkeli, 5)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" measure
"$top/scripts/build.sh" >/dev/null
game=$(realpath "${1:-$top/build/vorkkeli}")
seconds=${2:-5}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

mkfifo "$work/fd"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/fd" 2>/dev/null &
read -r number <"$work/fd"
export DISPLAY=":$number" SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work" SDL12COMPAT_SYNC_TO_VBLANK=0
export LD_PRELOAD="$top/build/libfake_display.so"
cd "$top/assets"

play() { # hz label [command to run beside the game]
  FAKE_DISPLAY_HZ=$1 FAKE_DISPLAY_LOG="$work/shown" timeout -s TERM "$seconds" "$game" 2>"$work/err" &
  local playing=$!
  [ -n "${3:-}" ] && (sleep 1 && LD_PRELOAD= python3 -c "$3" >"$work/pressed")
  wait "$playing" || true
  printf '%-34s steps/s %6s   pictures/s %6s   CPU %4s (flip %4s)\n' "$2" \
    "$(grep -o 'steps=[0-9.]*' "$work/err" | cut -d= -f2)" "$(grep -o 'flips=[0-9.]*' "$work/err" | cut -d= -f2)" \
    "$(grep -o 'cpu=[0-9]*%' "$work/err" | cut -d= -f2)" "$(grep -o 'in_flip=[0-9]*%' "$work/err" | cut -d= -f2)"
}
play 60 "60 Hz display, vsync"
play 144 "144 Hz display, vsync"
play 240 "240 Hz display, vsync"
play 0 "vsync not honoured"
play 48 "slow present, 48 pictures a second"

# Up pressed 15 times through XTest, at uneven times, each press logged.
press='import ctypes, random, time
x, t = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
d = ctypes.c_void_p(x.XOpenDisplay(None))
up = x.XKeysymToKeycode(d, 0xff52)
for i in range(15):
    t.XTestFakeKeyEvent(d, up, 1, 0); x.XFlush(d); print(time.monotonic_ns(), flush=True)
    time.sleep(0.08); t.XTestFakeKeyEvent(d, up, 0, 0); x.XFlush(d); time.sleep(0.1 + random.random() * 0.1)'
seconds=$((seconds > 6 ? seconds : 6))
play 60 "60 Hz display, with key presses" "$press" >/dev/null
python3 - "$work/pressed" "$work/shown" <<'PY'
import sys
pressed, shown = ([int(line) for line in open(f)] for f in sys.argv[1:])
waits = sorted((min(s for s in shown if s > p) - p) / 1e6 for p in pressed if any(s > p for s in shown))
print(f"key press to picture, {len(waits)} presses: median {waits[len(waits) // 2]:.1f} ms, "
      f"min {waits[0]:.1f}, max {waits[-1]:.1f}")
PY
