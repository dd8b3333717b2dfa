# Memory over a run: no definite leak under valgrind, and a peak that stays
# flat from a thousand frames to a hundred thousand (a turned car is made and
# released every frame).
source "$(dirname "$0")/lib.sh"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
fresh_assets
cd "$run"

status=0
head -n 204 "$TESTS/data/all-modes.txt" |
  valgrind --suppressions="$TESTS/valgrind.supp" --leak-check=full --errors-for-leak-kinds=definite \
    --error-exitcode=3 "$VORKKELI_REPLAY" >/dev/null 2>"$work/valgrind" || status=$?
expect_eq "valgrind: no error and no definite leak" 0 "$status"
grep -E "definitely lost|ERROR SUMMARY" "$work/valgrind" | sed 's/^==[0-9]*== */  /'

peak_kib() { # frames
  { grep -v '^#' "$TESTS/data/all-modes.txt" | grep -v ' 28[34]' ; } >"$work/driving"
  yes "$(cat "$work/driving")" | head -n "$1" >"$work/script"
  /usr/bin/time -f %M -o "$work/peak" "$VORKKELI_REPLAY" <"$work/script" >/dev/null
  cat "$work/peak"
}
small=$(peak_kib 1000)
large=$(peak_kib 100000)
echo "peak resident memory: 1 000 frames $small KiB, 100 000 frames $large KiB"
[ $((large - small)) -le 2048 ] && pass "peak within 2 MiB" || fail "peak grew by $((large - small)) KiB"
finish
