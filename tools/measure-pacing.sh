#!/usr/bin/env bash
# Measures the real game's pacing in a private X server, with its flip
# replaced by made-up displays (tools/fake_display.cpp). For each display:
# simulation steps and pictures a second, steps never shown a minute, the
# time from a key press (XTest) to the refresh that first shows it (median
# and 95th percentile over the presses), the time from each frame's read of
# the keys to the refresh that shows it (median), and CPU use. ROWS picks the
# rows whose label matches it (grep -E); BUSY=N runs N busy loops beside the
# game, as other work on the machine.
# usage: [BUSY=N] tools/measure-pacing.sh [GAME_BINARY] [SECONDS] [ROWS]   (defaults: build/vorkkeli, 10, all)
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/tests/e2e/lib.sh" # a scratch folder, a private X server, fields
"$top/scripts/setup.sh" measure
"$top/scripts/build.sh" >/dev/null
game=$(realpath "${1:-$top/build/vorkkeli}")
seconds=${2:-10}
rows=${3:-.}
for ((i = 0; i < ${BUSY:-0}; i++)); do sh -c 'while :; do :; done' & pids+=($!); done

start_x 640 480
export SDL12COMPAT_SYNC_TO_VBLANK=0
cd "$top/assets"

# Up pressed every 0.2 to 0.3 s through XTest, each press's time printed.
press='import ctypes, random, sys, time
x, t = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
d = ctypes.c_void_p(x.XOpenDisplay(None))
up = x.XKeysymToKeycode(d, 0xff52)
end = time.monotonic() + float(sys.argv[1])
while time.monotonic() < end:
    t.XTestFakeKeyEvent(d, up, 1, 0); x.XFlush(d); print(time.monotonic_ns(), flush=True)
    time.sleep(0.08); t.XTestFakeKeyEvent(d, up, 0, 0); x.XFlush(d); time.sleep(0.12 + random.random() * 0.1)'
latency='import sys
pressed, shown = ([int(line) for line in open(f)] for f in sys.argv[1:])
waits = sorted((min(s for s in shown if s > p) - p) / 1e6 for p in pressed if any(s > p for s in shown))
print(f"{waits[len(waits) // 2]:.1f} {waits[len(waits) * 95 // 100]:.1f}" if waits else "- -")'

printf '%-26s %8s %10s %12s %14s %6s %13s %5s\n' display steps/s pictures/s unshown/min "to glass (ms)" p95 \
  "sampled (ms)" CPU
play() { # label, then FAKE_DISPLAY_* settings
  [[ $1 =~ $rows ]] || return 0
  env LD_PRELOAD="$top/build/libfake_display.so" FAKE_DISPLAY_LOG="$work/shown" "${@:2}" \
    timeout -s TERM "$seconds" "$game" 2>"$work/err" &
  local playing=$!
  sleep 1 && python3 -c "$press" $((seconds - 2)) >"$work/pressed"
  wait "$playing" || true
  read -r median p95 < <(python3 -c "$latency" "$work/pressed" "$work/shown")
  local err=$work/err
  printf '%-26s %8s %10s %12s %14s %6s %13s %5s\n' "$1" "$(field steps "$err")" "$(field flips "$err")" \
    "$(field unshown "$err")" "$median" "$p95" "$(field sampled "$err")" "$(field cpu "$err")%"
}
jitter=FAKE_DISPLAY_JITTER_US=100
play "59.94 Hz" FAKE_DISPLAY_HZ=59.94 $jitter
play "60.00 Hz" FAKE_DISPLAY_HZ=60 $jitter
play "60.02 Hz" FAKE_DISPLAY_HZ=60.02 $jitter
play "50 Hz" FAKE_DISPLAY_HZ=50 $jitter
play "75 Hz" FAKE_DISPLAY_HZ=75 $jitter
play "144 Hz" FAKE_DISPLAY_HZ=144 $jitter
play "240 Hz" FAKE_DISPLAY_HZ=240 $jitter
play "no vsync" FAKE_DISPLAY_HZ=0
play "slow present, 48/s" FAKE_DISPLAY_HZ=0 FAKE_DISPLAY_PRESENT_US=20833
play "59.94 Hz, 1 queued" FAKE_DISPLAY_HZ=59.94 FAKE_DISPLAY_QUEUE=1 $jitter
play "59.94 Hz, 2 queued" FAKE_DISPLAY_HZ=59.94 FAKE_DISPLAY_QUEUE=2 $jitter
# The same displays with a cheap present (1 ms) in place of Xvfb's software copy.
cheap="FAKE_DISPLAY_NO_COPY=1 FAKE_DISPLAY_PRESENT_US=1000"
play "59.94 Hz, cheap present" FAKE_DISPLAY_HZ=59.94 $jitter $cheap
play "60.00 Hz, cheap present" FAKE_DISPLAY_HZ=60 $jitter $cheap
play "60.02 Hz, cheap present" FAKE_DISPLAY_HZ=60.02 $jitter $cheap
# A machine too slow for its frames: busy work added to each, Xvfb's copy as the flip.
play "no vsync, +0 ms a frame" FAKE_DISPLAY_HZ=0
play "no vsync, +14 ms a frame" FAKE_DISPLAY_HZ=0 FAKE_DISPLAY_WORK_US=14000
play "no vsync, +20 ms a frame" FAKE_DISPLAY_HZ=0 FAKE_DISPLAY_WORK_US=20000
play "no vsync, +40 ms a frame" FAKE_DISPLAY_HZ=0 FAKE_DISPLAY_WORK_US=40000
# Drawing slow instead: busy work added to each picture drawn.
play "no vsync, draws +0 ms" FAKE_DISPLAY_HZ=0
play "no vsync, draws +20 ms" FAKE_DISPLAY_HZ=0 FAKE_DISPLAY_DRAW_US=20000
play "no vsync, draws +40 ms" FAKE_DISPLAY_HZ=0 FAKE_DISPLAY_DRAW_US=40000
play "no vsync, draws +100 ms" FAKE_DISPLAY_HZ=0 FAKE_DISPLAY_DRAW_US=100000
