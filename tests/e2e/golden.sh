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
  diff "$golden/drive.trace" "$work/drive.trace" | grep '^[<>]' | head -n 20 || echo "trace: no line changed"
  for shot in "${shots[@]}"; do
    name=${shot#*:}
    echo "$name.png: $(compare -metric AE "$golden/$name.png" "$work/$name.png" null: 2>&1) pixels differ"
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
check "the trace, frame by frame" "" "$(diff "$golden/drive.trace" "$work/drive.trace" | head -n 6)"
for shot in "${shots[@]}"; do
  name=${shot#*:}
  check "frame ${shot%:*} ($name), pixel for pixel" 0 \
    "$(compare -metric AE "$golden/$name.png" "$work/$name.png" null: 2>&1)"
done
finish
