# The real game with a missing car, a missing footprint or a 1 x 1 piston, and
# with an audio device that cannot be opened: it plays on and ends normally.
source "$(dirname "$0")/lib.sh"
start_xvfb

drive_around() { # window: every mode, both views, F3
  xdotool mousemove --sync 500 240
  hold_keys "$1" 0.3 Up
  hold_keys "$1" 0.2 F5
  hold_keys "$1" 0.2 F6
  hold_keys "$1" 0.2 F2
  hold_keys "$1" 0.1 F3
  hold_keys "$1" 0.2 F1
  hold_keys "$1" 0.2 F4
}

for case in "rm volvo.png" "rm mopo.png" "tiny piston.png"; do
  fresh_assets
  set -- $case
  if [ "$1" = rm ]; then rm "$run/$2"; else /usr/bin/convert -size 1x1 xc:gray "PNG24:$run/$2"; fi
  open_game
  drive_around "$window"
  quit_game
  expect_eq "$case: the run ends with status 0" 0 "$status"
  if [ "$1" = rm ]; then
    expect_eq "$case: one line naming it" "Kuvan lataaminen ei onnistu $2: " "$(head -c $((30 + ${#2})) "$work/stderr")"
    expect_eq "$case: nothing else" 1 "$(wc -l <"$work/stderr")"
  else
    expect_eq "$case: nothing said" "" "$(cat "$work/stderr")"
  fi
done

# An audio device that cannot be opened: said once at start-up, F3 reports.
fresh_assets
open_game SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/nonexistent/folder/audio.raw
hold_keys "$window" 0.2 F3
quit_game
expect_eq "no audio device: the run ends with status 0" 0 "$status"
said=$(cat "$work/stderr")
expect_eq "no audio device: said once, first" "SDL_Mixerin alustus ei onnistunut.Virhe : " "${said:0:42}"
expect_eq "no audio device: said once only" 1 "$(grep -o 'SDL_Mixerin' <<<"$said" | wc -l)"
finish
