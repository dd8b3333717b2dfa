# The real game's own clock, sleep, input and flip, on a private X server
# with its flip followed by a made-up display (tools/fake_display.cpp, no
# software copy): 60 steps a second with a display that does not wait and
# with a 50 Hz one, every picture shown that can be, and the key state read
# only after the event queue is drained. Each run ends itself after 240
# steps, so the rates are over the game's own four seconds.
source "$(dirname "$0")/lib.sh"
start_x 640 480
within() { python3 -c 'import sys; v, lo, hi = map(float, sys.argv[1:]); print("yes" if lo <= v <= hi else v)' "$@"; }
for row in "no vsync|0|57 61.5|57 61.5" "50 Hz|50|57 61.5|47 50.5"; do
  IFS='|' read -r display hz steps pictures <<<"$row"
  status=0
  (cd "$ASSETS" && exec "${orphan_proof[@]}" env LD_PRELOAD="$BUILD/libfake_display.so" FAKE_DISPLAY_HZ="$hz" FAKE_DISPLAY_NO_COPY=1 \
    FAKE_DISPLAY_PRESENT_US=1000 FAKE_DISPLAY_STEPS=240 "$VORKKELI") 2>"$work/err" || status=$?
  check "$display: the game ends on the close request" 0 "$status"
  field() { grep -o "$1=[0-9.]*" "$work/err" | cut -d= -f2; }
  check "$display: steps a second ($steps)" yes "$(within "$(field steps)" $steps)"
  check "$display: pictures a second ($pictures)" yes "$(within "$(field flips)" $pictures)"
  check "$display: the key state read after the drain, every frame" 0 "$(field early_reads)"
done
finish
