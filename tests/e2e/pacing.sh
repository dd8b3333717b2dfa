# The real game's own clock, sleep, input and flip, on a private X server
# with its flip followed by a made-up display (tools/fake_display.cpp, no
# software copy), with a display that does not wait and with a 50 Hz one.
# What must hold however busy the machine is: the game ends on the close
# request with 0, the key state is read only after the event queue is
# drained, 60 steps a second of the display's own clock (a stall's worth of
# catching up above, a busy machine's tenth below), and a picture shown at
# least every seventh step. How many
# steps and pictures a second a machine manages is measured by
# tools/measure-pacing.sh, not asserted here. Each run ends itself after 240
# steps.
source "$(dirname "$0")/lib.sh"
start_x 640 480
for row in "no vsync|0" "50 Hz|50"; do
  IFS='|' read -r display hz <<<"$row"
  status=0
  (cd "$ASSETS" && exec "${orphan_proof[@]}" env LD_PRELOAD="$BUILD/libfake_display.so" FAKE_DISPLAY_HZ="$hz" \
    FAKE_DISPLAY_NO_COPY=1 FAKE_DISPLAY_PRESENT_US=1000 FAKE_DISPLAY_STEPS=240 "$VORKKELI") 2>"$work/err" ||
    status=$?
  check "$display: the game ends on the close request" 0 "$status"
  check "$display: the key state read after the drain, every frame" 0 "$(field early_reads "$work/err")"
  # Steps against the display's own clock (the game's is under test here),
  # counted from the first step, which may itself come late: the tics due
  # meanwhile are caught up, at most a stall's worth (0.2 s, 12 tics). Below,
  # a tenth and a stall's worth are allowed for a busy machine's restarts: a
  # game stepping 50 times a second fails, as does one whose clock runs 10 %
  # fast, over the 4 s.
  check "$display: 60 steps a second of the display's clock, within a stall's worth above and a tenth below" yes \
    "$(python3 -c 'import sys; n, s = int(sys.argv[1]) - 1, float(sys.argv[2])
print("yes" if s * 60 * 0.9 - 13 <= n <= s * 60 + 13 else f"{n + 1} steps in {s} s")' \
      "$(field step_count "$work/err")" "$(field seconds "$work/err")")"
  most=$(field most_unshown "$work/err")
  check "$display: never more than six steps in a row unshown" yes "$([[ $most =~ ^[0-6]$ ]] && echo yes || echo "$most")"
done
finish
