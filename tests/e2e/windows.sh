# The Windows zip as a player gets it, under Wine: unpacked, the golden drive
# played by the Windows replay tool beside the game (trace and frames
# identical to the golden files), then the real game on a private X server,
# started from another folder: its window and title, Escape and the close
# request each ending it with status 0 and leaving no stdout.txt or
# stderr.txt, Alt+Enter's window and back (the picture's x under the pointer
# the game's in each, the window letting the pointer go), and a missing picture's message
# in stderr.txt beside it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wine.sh"
golden=$TESTS/golden
check "the golden drive under Wine: nothing on stderr" "" "$(cd "$game_dir" && SDL_STDIO_REDIRECT=0 \
  SDL_VIDEODRIVER=dummy "${orphan_proof[@]}" wine vorkkeli-replay.exe --shot 40:grip.png --shot 168:engine.png \
  --shot 784:marks.png <"$golden/drive.txt" 2>&1 >"$work/drive.trace")"
diff "$golden/drive.trace" "$work/drive.trace" >"$work/trace.diff" || true
check "the golden drive under Wine: the trace, frame by frame" "" "$(sed 6q "$work/trace.diff")"
for name in grip engine marks; do
  check "the golden drive under Wine: $name.png, pixel for pixel" 0 \
    "$(pixels_differ "$golden/$name.png" "$game_dir/$name.png")"
done

start_x 1280 720
play() { # how it ends (Escape or close), what to spoil first: runs the game from $work
  rm -rf "$work/run" && cp -r "$game_dir" "$work/run" && (cd "$work/run" && eval "$2")
  rm -f "$work/record"
  (cd "$work" && exec "${orphan_proof[@]}" env VORKKELI_RECORD="$work/record" wine "$work/run/vorkkeli.exe") &
  local game=$! && pids+=("$game")
  wait_for 60 window || check "$1: the window appears" yes no
  check "$1: the window's title" "vorkkeli v. ~0,001 ^-^" "$(xdotool getwindowname "$window")"
  # Wine moves the pointer too late for the game to see its warp take, so
  # the game reads it at its old x until it moves, as under Wayland: the
  # pointer is not checked across a switch, only where it is moved to.
  [ "$1" != Alt+Enter ] || switches_window Wine sizes
  if [ "$1" == close ]; then close_window "$window"; else xdotool key Escape; fi
  local status=0 && wait "$game" || status=$?
  check "$1: the game ends with status 0" 0 "$status"
}
play Escape ""
play Alt+Enter ""
check "Escape: no stdout.txt or stderr.txt left" "" "$(ls "$work/run" | grep -x 'std\(out\|err\).txt')"
play close "rm volvo.png"
check "close, volvo.png missing: its message in stderr.txt" yes \
  "$(grep -qx 'Kuvan lataaminen ei onnistu volvo.png: .*' "$work/run/stderr.txt" && echo yes)"
check "close, volvo.png missing: stdout.txt left out" "" "$(ls "$work/run" | grep -x 'stdout.txt')"
finish
