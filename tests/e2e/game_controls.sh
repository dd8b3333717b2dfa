# The real game in a private X server, driven through the keyboard: F3 plays
# the jingle into the disk audio driver, reports without a sound file, and Up
# drives the car up the road.
source "$(dirname "$0")/lib.sh"
start_xvfb

# Disk audio: silence before F3, then the whole jingle, sample for sample.
fresh_assets
open_game SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw"
sleep 1
expect_eq "silence before F3" 0 "$(tr -d '\0' <"$work/audio.raw" | wc -c)"
hold_keys "$window" 0.3 F3
sleep 3 # the last start plays through, twice
quit_game
python3 - "$run/polkumusiikkitiedostoon.wav" "$work/audio.raw" <<'PY' && pass "the jingle's samples reach the device" || fail "the jingle's samples are not in the audio output"
import sys
wav, out = (open(p, "rb").read() for p in sys.argv[1:])
data = wav[wav.index(b"data") + 8:]
sys.exit(0 if out.find(data) >= 0 else 1)
PY

# No sound file: each F3 frame appends one report, all on one line.
rm "$run/polkumusiikkitiedostoon.wav"
open_game
hold_keys "$window" 0.3 F3
quit_game
said=$(cat "$work/stderr")
unit=${said%%Virhe :*}
reports=$(grep -o 'Virhe : ' <<<"$said" | wc -l)
expect_eq "reports only, starting at once" "" "$unit"
[ "$reports" -ge 5 ] && pass "one report per F3 frame ($reports)" || fail "only $reports reports"
expect_eq "no line feed among them" 0 "$(tr -cd '\n' <"$work/stderr" | wc -c)"
expect_eq "each report ends in a blank" " " "${said: -1}"

# Up drives the car up the screen with the pointer in the centre zone.
fresh_assets
open_game
xdotool mousemove --sync 320 240
sleep 0.5
screenshot "$work/before.png"
hold_keys "$window" 0.5 Up
screenshot "$work/after.png"
quit_game
before=$(car_row "$work/before.png")
after=$(car_row "$work/after.png")
echo "car row before ${before:-none}, after ${after:-none}"
[ -n "$before" ] && [ -n "$after" ] && [ "$after" -lt $((before - 20)) ] &&
  pass "holding Up moves the car up" || fail "the car did not move up"

finish
