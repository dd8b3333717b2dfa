# The replay of tests/golden/drive.txt against its expected trace, byte for
# byte, and three of its frames against the expected pictures, pixel for pixel.
# GOLDEN_UPDATE=1 prints what changed (trace lines, differing pixels per
# picture) and writes the expected files anew.
source "$(dirname "$0")/lib.sh"
golden=$TESTS/golden
shots=(40:grip 168:engine 784:marks)
args=()
for shot in "${shots[@]}"; do args+=(--shot "${shot%:*}:$work/${shot#*:}.png"); done

(cd "$ASSETS" && SDL_VIDEODRIVER=dummy "$VORKKELI_REPLAY" "${args[@]}") \
  <"$golden/drive.txt" >"$work/drive.trace" 2>"$work/stderr"
check "nothing on stderr" "" "$(visible "$work/stderr")"
if [ -n "${GOLDEN_UPDATE:-}" ]; then # says what changed, then writes it
  diff "$golden/drive.trace" "$work/drive.trace" >"$work/trace.diff" || true
  grep '^[<>]' "$work/trace.diff" >"$work/trace.changed" || echo "trace: no line changed"
  sed 20q "$work/trace.changed"
  for shot in "${shots[@]}"; do
    name=${shot#*:}
    echo "$name.png: $(pixels_differ "$golden/$name.png" "$work/$name.png") pixels differ"
  done
  cp "$work"/*.png "$work/drive.trace" "$golden/"
  echo "rewrote the expected files in $golden: read the diff and look at the pictures before committing"
  exit 0
fi

# One frame without F3: the jingle, never played, is freed all the same (a
# leak would show in the sanitizer build).
check "a frame without F3: nothing on stderr" "" \
  "$(cd "$ASSETS" && echo '320 0 -' | SDL_VIDEODRIVER=dummy "$VORKKELI_REPLAY" 2>&1 >/dev/null)"
status=0 && (cd "$ASSETS" && echo '-2147483648 0 -' | SDL_VIDEODRIVER=dummy "$VORKKELI_REPLAY" 2>"$work/refused" >/dev/null) ||
  status=$?
check "a pointer x the steering cannot take: refused with status 2" \
  "2 vorkkeli-replay: line 1 is MOUSE_X is not a whole number from -2147483328 to 2147483647: -2147483648 0 -\n" \
  "$status $(visible "$work/refused")"
# How the replay reads a script: blank lines, comments and Windows line ends
# make no frame; Escape's frame is the last; a malformed line ends the run
# with status 2 and is named. Each: the script, then status, frames, stderr.
while IFS='|' read -r script expected; do
  printf "$script" >"$work/script"
  status=0
  (cd "$ASSETS" && SDL_VIDEODRIVER=dummy "$VORKKELI_REPLAY" <"$work/script" >"$work/replayed" 2>"$work/replay.err") ||
    status=$?
  check "the script $script" "$expected" "$status $(wc -l <"$work/replayed") $(visible "$work/replay.err")"
done <<'ROWS'
320 0 -\r\n\r\n \t\n# a comment\n320 0 273,274\r\n|0 2 
320 0 27\n320 0 -\n|0 1 
320 0 -\n320 0\n|2 1 vorkkeli-replay: line 2 is not "MOUSE_X BUTTONS KEYS": 320 0\n
320 0 273,\n|2 0 vorkkeli-replay: line 1 is not "MOUSE_X BUTTONS KEYS": 320 0 273,\n
\n# a comment\n320 0 -\n500 0 273 274\n|2 1 vorkkeli-replay: line 4 is not "MOUSE_X BUTTONS KEYS": 500 0 273 274\n
ROWS
# R puts the car back as at launch, on the frame it is held: a hard steer
# at speed slides the car off the top of the screen, F2 shows the engine for
# three frames, then R alone. The view and the piston's swing stay.
{ for _ in $(seq 40); do echo '500 0 273'; done
  for _ in $(seq 150); do echo '500 0 -'; done
  for _ in 1 2 3; do echo '320 0 283'; done
  echo '320 0 114'; } >"$work/back.txt"
(cd "$ASSETS" && SDL_VIDEODRIVER=dummy "$VORKKELI_REPLAY" <"$work/back.txt" >"$work/back.trace")
mapfile -t back <"$work/back.trace"
[[ ${back[192]} =~ drive=2\ .*pos=[0-9.]+,-[0-9.]+\  ]] && gone=yes || gone=${back[192]}
check "before R: sliding, off the top of the screen" yes "$gone"
check "R: the car as at launch, the engine view and its swing kept" \
  "194 view=2 drive=1 speed=1 steer=0 heading=0 yaw=0 travel=0 sprite=0 pos=320,240 vel=0,0 piston=0.100000001,0.149906278" \
  "${back[193]}"

diff "$golden/drive.trace" "$work/drive.trace" >"$work/trace.diff" || true
check "the trace, frame by frame" "" "$(sed 6q "$work/trace.diff")"
for shot in "${shots[@]}"; do
  name=${shot#*:}
  check "frame ${shot%:*} ($name), pixel for pixel" 0 \
    "$(pixels_differ "$golden/$name.png" "$work/$name.png")"
done
finish
