# Shared by the end-to-end scripts: a private X server, a folder with the
# assets to run in, starting the real game, waiting for its window, checks.
set -euo pipefail

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
expect_eq() { # what expected actual
  if [ "$2" == "$3" ]; then pass "$1"; else fail "$1: expected [$2], got [$3]"; fi
}
finish() {
  if [ "$failures" -eq 0 ]; then echo "all passed"; exit 0; fi
  echo "$failures failed" >&2
  exit 1
}

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A 640 x 480 x 24 server on the first free display number.
start_xvfb() {
  local fifo="$work/displayfd"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$fifo" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  local number
  read -r number <"$fifo"
  export DISPLAY=":$number"
  export XDG_RUNTIME_DIR="$work"
  export SDL_AUDIODRIVER=${SDL_AUDIODRIVER-dummy}
}

# A fresh folder holding the committed assets; the game runs from there.
fresh_assets() {
  rm -rf "$work/run"
  mkdir -p "$work/run"
  cp "$ASSETS"/* "$work/run/"
  run="$work/run"
}

# Starts the game in the background from $run, with env(1) arguments if any;
# stderr goes to $work/stderr.
start_game() { # [env arguments...]
  (cd "$run" && exec env "$@" "$VORKKELI") >"$work/stdout" 2>"$work/stderr" &
  game_pid=$!
}

# Waits for the game to end and sets $status (124 after the time is up).
wait_game() { # seconds
  local i
  status=124
  for ((i = 0; i < $1 * 10; i++)); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      status=0
      wait "$game_pid" || status=$?
      game_pid=
      return
    fi
    sleep 0.1
  done
}

# The window may be replaced once while the mode is set: wait until the same
# visible window has been there for half a second, then print its id.
wait_window() {
  local last= same=0 id i
  for ((i = 0; i < 200; i++)); do
    id=$(xdotool search --onlyvisible --name '^vorkkeli' 2>/dev/null | tail -n 1 || true)
    if [ -n "$id" ] && [ "$id" == "$last" ]; then
      same=$((same + 1))
      [ "$same" -ge 5 ] && { echo "$id"; return 0; }
    else
      same=0
    fi
    last=$id
    sleep 0.1
  done
  return 1
}

# Starts the game (env(1) arguments allowed) and waits for its window in $window.
open_game() {
  start_game "$@"
  window=$(wait_window) || fail "no window appeared"
}

# Escape in the game's window, then waits for the end and sets $status.
quit_game() {
  press_key "$window" Escape
  wait_game 10
}

# Holds keys down in the game's window for a while, then lets go.
hold_keys() { # window seconds key...
  local window=$1 seconds=$2
  shift 2
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool keydown --window "$window" "$@"
  sleep "$seconds"
  xdotool keyup --window "$window" "$@"
}

press_key() { # window key
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  xdotool key --window "$1" "$2"
}

# The whole screen as a PNG.
screenshot() { # file
  /usr/bin/import -window root "$1"
}

# Mean row of the car's red body in a screenshot, or nothing when none shows.
# The text lines read "x,y: (r,g,b)  #RRGGBB  srgb(...)".
car_row() { # file
  /usr/bin/convert "$1" -crop 160x480+240+0 +repage -depth 8 txt:- |
    awk -F'[,:() ]+' 'NR > 1 && $3 > 150 && $4 < 80 && $5 < 80 { n++; sum += $2 }
      END { if (n) printf "%d\n", sum / n }'
}

# The picture the track should make on screen, composed from the asset files:
# road down column 2 and across row 3, the start tile top left, grass elsewhere.
compose_track() { # output
  local draws=() column row tile
  for column in 0 1 2 3 4 5 6 7 8 9; do
    for row in 0 1 2 3 4 5 6 7; do
      tile=laatta2.png
      [ "$column" -eq 2 ] || [ "$row" -eq 3 ] && tile=laatta3.png
      [ "$column" -eq 0 ] && [ "$row" -eq 0 ] && tile=laatta1.png
      draws+=(-draw "image over $((column * 64)),$((row * 64)) 64,64 '$ASSETS/$tile'")
    done
  done
  /usr/bin/convert "$ASSETS/kuva.png" "${draws[@]}" -crop 640x480+0+0 +repage "$1"
}

# Number of differing pixels between two pictures within a region.
differing_pixels() { # a b geometry
  /usr/bin/convert "$1" -crop "$3" +repage "$work/crop-a.png"
  /usr/bin/convert "$2" -crop "$3" +repage "$work/crop-b.png"
  /usr/bin/compare -metric AE "$work/crop-a.png" "$work/crop-b.png" null: 2>&1 || true
}

# Number of pixels of one colour (as #RRGGBB) in a picture or a region of it.
count_colour() { # file colour [geometry]
  /usr/bin/convert "$1" -crop "${3:-100%x100%+0+0}" +repage -depth 8 txt:- | grep -ci " $2 " || true
}
