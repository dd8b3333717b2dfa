# The page as a player gets it: the zip unpacked, served from 127.0.0.1 and
# played in headless Chromium by tools/web_player.py, its pictures judged
# against the replay's: with no input, the picture after 10 seconds is the
# replay's frame 600 of an idle drive, pixel for pixel; F2 shows the
# replay's engine view at the tics 60 steps a second give; after two moves
# right and Up held the picture is the replay's of the page's own recorded
# input; the picture fills the window, and the picture's x under the pointer
# (or a finger on a phone) is the game's, in the page and full screen;
# Escape ends the game, the page says so and plays again on its button; the
# page asks for nothing but its own files; opened as a file it plays too; a
# second build elsewhere gives the same zip. WEB is the folder
# scripts/build-web.sh built in.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/site" "$work/seen"
zips=("$WEB"/vorkkeli-*-web.zip)
unzip -q "${zips[0]}" -d "$work/site"
check "index.html at the zip's root" yes "$([ -f "$work/site/index.html" ] && echo yes)"
serve "$work/site"

status=0
python3 "$TESTS/../tools/web_player.py" "$origin/index.html?record" "$work/seen" >"$work/player.log" 2>&1 || status=$?
check "the page played through" "0 " "$status $(cat "$work/player.log")"
echo "pictures a second in headless Chromium: $(cat "$work/seen/pictures.txt" 2>/dev/null)"
echo "seconds to the first picture served: $(cat "$work/seen/first-seconds.txt" 2>/dev/null)"

replay() { # shots..., the script on stdin: the replay built for the browser's engine
  local args=() shot
  for shot in "$@"; do args+=(--shot "$shot"); done
  (cd "$ASSETS" && SDL_VIDEODRIVER=dummy "$WEB_REPLAY" "${args[@]}" >/dev/null)
}
signature() { identify -format '%#\n' "$@"; } # a hash of the pixels alone
idle() { for _ in $(seq "$1"); do echo '320 0 -'; done; }

idle 600 | replay "600:$work/idle.png"
check "no input for 10 s: the replay's frame 600, pixel for pixel" 0 \
  "$(pixels_differ "$work/idle.png" "$work/seen/idle.png")"

# The piston's swing from F2 on: the first picture shown after 0.6 s and
# the second after 1.8 s, each found exactly among the replay's frames of
# the engine view, are the tics that 60 steps a second give by then (a
# quarter less and 15 % more, and 6 tics either way, allowed for a busy
# machine's timing): a frozen page, or one at half speed, fails. Both lie
# in the swing's first half (126 tics), where every tic's picture differs.
shots=()
for frame in $(seq 601 900); do shots+=("$frame:$work/engine-$frame.png"); done
{ idle 600 && echo '320 0 283' && idle 299; } | replay "${shots[@]}"
mapfile -t engine < <(signature "$work"/engine-*.png)
tic() { # picture, first index: the engine view's tics (1 the first) until it shows the picture, or nothing
  local seen i
  seen=$(signature "$1")
  for ((i = $2; i < ${#engine[@]}; i++)); do [ "${engine[i]}" != "$seen" ] || { echo "$((i + 1))"; return; }; done
}
read -r first_s later_s <"$work/seen/engine-seconds.txt" || true
first=$(tic "$work/seen/engine.png" 0)
later=$(tic "$work/seen/engine-later.png" "${first:-0}")
in_time() { # tic seconds
  python3 -c 'import sys; n, s = int(sys.argv[1] or -1), float(sys.argv[2] or 0); e = 60 * s
print("yes" if 0.75 * e - 6 <= n <= 1.15 * e + 6 else f"tic {n} at {s} s")' "$1" "$2"
}
check "F2, 0.6 s on: the replay's engine view at the tic 60 steps a second give" yes "$(in_time "$first" "$first_s")"
check "F2, 1.8 s on: the replay's engine view at the tic 60 steps a second give" yes "$(in_time "$later" "$later_s")"
[ -z "$first" ] || [ -z "$later" ] || echo "steps a second in headless Chromium:" \
  "$(python3 -c 'import sys; a, b, s, t = map(float, sys.argv[1:]); print(round((b - a) / (t - s), 1))' \
    "$first" "$later" "$first_s" "$later_s")"

# Exactly: the page's own recording of the input its game read, replayed to
# the tic the picture settled at, draws the page's picture.
read -r steered <"$work/seen/steered-tics.txt" || steered=0
head -n "$steered" "$work/seen/record.txt" | replay "$steered:$work/steered.png" || true
check "two moves right, Up held: the picture is the replay's of the page's own input, pixel for pixel" 0 \
  "$(pixels_differ "$work/steered.png" "$work/seen/steered.png")"

# The picture's x under the pointer is the game's, exactly: the page's own
# recording of the x the game read, with the pointer on the middle of each
# pixel through whatever scale and letterbox the picture has.
for table in 640x480 1280x720 full-screen-1280x720 full-screen-1024x768; do
  check "the page at $table: the picture's x 0 220 221 419 420 639 read as the game's x" \
    "0 220 221 419 420 639|0 220 221 419 420 639" "$(paste -sd '|' "$work/seen/table-$table.txt" 2>/dev/null)"
done
# A finger's place is a whole CSS pixel, 1.64 of the picture's on a phone:
# the x under it, and the left button held while it touches, none after.
{ read -r under && read -r touched; } <"$work/seen/table-touch-390x844.txt" || under= touched=
expected=$(for x in $under; do printf '%s:1 0 ' "$x"; done)
check "a finger on a 390x844 phone: the picture's x under it ($under) the game's, the left button held while it touches" \
  "${expected% }" "$touched"
# The picture fills the window, its shape kept and centred: WxH+X+Y in CSS
# pixels, the scale a whole number from 2 on (1920x1080: 2, not 2.25).
check "the picture's box in 1280x720, 1920x1080 and 390x844 windows" \
  "1280x720 960 720 160 0|1920x1080 1280 960 320 60|390x844 390 292.5 0 275.75" \
  "$(paste -sd '|' "$work/seen/layout.txt" 2>/dev/null)"
check "Escape: the page says the game ended, with a button to play again" \
  "The game has ended. Play again" "$(cat "$work/seen/ended.txt" 2>/dev/null)"
check "Play again: the game plays anew" playing "$(cat "$work/seen/again.txt" 2>/dev/null)"
mapfile -t asked <"$work/seen/requests.txt"
check "the page asks for its own files only" "" "${others[*]}"

# Opened by double-click from the unpacked zip, as a file: it asks for
# nothing but its page and its one script, and draws the game.
status=0 && mkdir -p "$work/file"
python3 "$TESTS/../tools/web_player.py" "file://$work/site/index.html" "$work/file" --first-picture \
  >"$work/file.log" 2>&1 || status=$?
check "opened as a file: the page plays" "0 " "$status $(cat "$work/file.log")"
mapfile -t asked < <(grep -v '^data:' "$work/file/requests.txt" || true) # data: is the script's own
check "opened as a file: it asks for its page, its one script and its icon alone" \
  "file://$work/site/index.html file://$work/site/vorkkeli.js file://$work/site/icon.png" "${asked[*]}"
lit=$(convert "$work/file/first.png" -format '%@' info: 2>/dev/null || true)
check "opened as a file: the game's picture is drawn" 640x480+0+0 "$lit"
echo "seconds to the first picture opened as a file: $(cat "$work/file/first-seconds.txt" 2>/dev/null)"

if [ "$failures" -gt 0 ]; then
  rm -rf "$BUILD/web-seen" && cp -r "$work/seen" "$BUILD/web-seen"
  echo "What the page showed is kept in $BUILD/web-seen" >&2
fi

# Built again in another folder: the same zip, byte for byte.
again=$("$TESTS/../scripts/build-web.sh" "$work/again" 2>"$work/again.log") || cat "$work/again.log" >&2
check "built again elsewhere: the same zip" "" "$(cmp "${zips[0]}" "$again" 2>&1)"
finish
