# The replay of tests/golden/drive.txt against its expected trace, byte for
# byte, and three of its frames against the expected pictures, pixel for pixel.
# GOLDEN_UPDATE=1 writes the expected files anew; look at every change
# (git diff, and the pictures themselves) before committing it.
source "$(dirname "$0")/lib.sh"
golden=$TESTS/golden
shots=(40:grip 168:engine 784:marks)
args=()
for shot in "${shots[@]}"; do args+=(--shot "${shot%:*}:$work/${shot#*:}.png"); done

(cd "$ASSETS" && SDL_VIDEODRIVER=dummy "$VORKKELI_REPLAY" "${args[@]}") \
  <"$golden/drive.txt" >"$work/drive.trace" 2>"$work/stderr"
check "nothing on stderr" "" "$(visible "$work/stderr")"
if [ -n "${GOLDEN_UPDATE:-}" ]; then
  cp "$work"/*.png "$work/drive.trace" "$golden/"
  echo "rewrote the expected files in $golden"
  exit 0
fi

# One frame without F3: the jingle, never played, is freed all the same (a
# leak would show in the sanitizer build).
check "a frame without F3: nothing on stderr" "" \
  "$(cd "$ASSETS" && echo '320 0 -' | SDL_VIDEODRIVER=dummy "$VORKKELI_REPLAY" 2>&1 >/dev/null)"
check "the trace, frame by frame" "" "$(diff "$golden/drive.trace" "$work/drive.trace" | head -n 6)"
for shot in "${shots[@]}"; do
  name=${shot#*:}
  check "frame ${shot%:*} ($name), pixel for pixel" 0 \
    "$(compare -metric AE "$golden/$name.png" "$work/$name.png" null: 2>&1)"
done
finish
