# The real game in a private X server: its window, the ways it ends, and what
# it says on standard error when a file, the audio driver, the video mode or
# the display fails.
source "$(dirname "$0")/lib.sh"
start_xvfb

fresh_assets
open_game
expect_eq "window title" "vorkkeli v. ~0,001 ^-^" "$(xdotool getwindowname "$window")"
quit_game
expect_eq "Escape ends the run with status 0" 0 "$status"

start_game
wait_window >/dev/null || fail "no window appeared"
kill -TERM "$game_pid"
wait_game 10
expect_eq "a close request (SIGTERM) ends the run with status 0" 0 "$status"

rm "$run/laatta2.png"
open_game
quit_game
expect_eq "one line on stderr for a missing laatta2.png" 1 "$(wc -l <"$work/stderr")"
expect_eq "the line names laatta2.png" "Kuvan lataaminen ei onnistu laatta2.png: " \
  "$(head -c 41 "$work/stderr")"

fresh_assets
start_game SDL_AUDIODRIVER=no-such-driver
wait_game 10
expect_eq "an audio driver that does not exist: status 1" 1 "$status"
expect_eq "the failure message, without a line feed" \
  "SDL:n alustus ei onnistunut: Audio target 'no-such-driver' not available" "$(cat "$work/stderr")"
expect_eq "no line feed at its end" 0 "$(tr -cd '\n' <"$work/stderr" | wc -c)"

start_game -u DISPLAY -u WAYLAND_DISPLAY
wait_game 10
expect_eq "no display at all: status 1" 1 "$status"
expect_eq "no display: one Finnish line" \
  "Näyttöä ei löytynyt: peli tarvitsee X- tai Wayland-näytön (DISPLAY tai WAYLAND_DISPLAY)." \
  "$(cat "$work/stderr")"

start_game SDL_VIDEODRIVER=no-such-driver
wait_game 10
expect_eq "no video mode: status 1" 1 "$status"
expect_eq "no video mode: one Finnish line with SDL's reason" \
  "Näyttötilaa ei saatu avattua: no-such-driver not available" "$(cat "$work/stderr")"

finish
