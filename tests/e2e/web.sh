# The page as a player gets it: the zip unpacked and served from 127.0.0.1,
# played in headless Chromium by tools/web_player.py; its pictures judged against
# the replay's: with no input, the picture after 10 seconds is the replay's
# frame 600 of an idle drive, pixel for pixel; F2 shows the replay's
# engine view at the tics 60 steps a second give; two moves right and Up held leave the car right of
# where driving straight ahead would; the picture's x under the pointer is
# the game's, at 640x480 and in full screen on 16:9 and 4:3; Escape
# ends the game and the page says so; the page asks for nothing but its own
# files; a second build elsewhere gives the same zip. WEB is the folder
# scripts/build-web.sh built in.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/site" "$work/seen"
zips=("$WEB"/vorkkeli-*-web.zip)
unzip -q "${zips[0]}" -d "$work/site"
site=("$work"/site/vorkkeli-*-web)
"${orphan_proof[@]}" python3 -u -m http.server 0 --bind 127.0.0.1 --directory "${site[0]}" \
  >"$work/server.log" 2>&1 &
pids+=($!)
wait_for 30 grep -qs ' port [0-9]' "$work/server.log"
served=$(cat "$work/server.log")
[[ $served =~ port\ ([0-9]+) ]] && port=${BASH_REMATCH[1]}
origin=http://127.0.0.1:$port

status=0
python3 "$TESTS/../tools/web_player.py" "$origin/index.html?record" "$work/seen" >"$work/player.log" 2>&1 || status=$?
check "the page played through" "0 " "$status $(cat "$work/player.log")"
echo "pictures a second in headless Chromium: $(cat "$work/seen/pictures.txt" 2>/dev/null)"

replay() { # shots..., the script on stdin: the replay built for the browser's engine
  local args=() shot
  for shot in "$@"; do args+=(--shot "$shot"); done
  (cd "$ASSETS" && SDL_VIDEODRIVER=dummy "$WEB_REPLAY" "${args[@]}" >/dev/null)
}
signature() { identify -format '%#\n' "$@"; } # a hash of the pixels alone
idle() { for _ in $(seq "$1"); do echo '320 0 -'; done; }

idle 600 | replay "600:$work/idle.png"
check "no input for 10 s: the replay's frame 600, pixel for pixel" 0 \
  "$(compare -metric AE "$work/idle.png" "$work/seen/idle.png" null: 2>&1)"

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

# How many tics the throttle gets, and when, depends on the page's timing on
# a busy machine; where the car ends does not, on one side: driving straight
# ahead keeps it in the column x 300-340 above its place at rest, and the
# steering takes it right of that. Judged by the pixels that changed above
# the resting car: their mean x.
changed=$(convert "$work/seen/steered.png" "$work/seen/idle.png" -compose difference -composite \
  -crop 640x165+0+0 +repage -colorspace gray -threshold 0 -transparent black sparse-color:-)
right=$(python3 -c 'import sys
xs = [int(p.split(",")[0]) for p in sys.stdin.read().split()]
print("yes" if len(xs) > 100 and sum(xs) / len(xs) > 323 else f"{len(xs)} pixels changed, mean x {sum(xs) / max(len(xs), 1):.0f}")' \
  <<<"$changed")
check "two moves right, Up held: the car ends right of the straight-ahead line" yes "$right"
# Exactly: the page's own recording of the input its game read, replayed to
# the tic the picture settled at, draws the page's picture.
read -r steered <"$work/seen/steered-tics.txt" || steered=0
head -n "$steered" "$work/seen/record.txt" | replay "$steered:$work/steered.png" || true
check "two moves right, Up held: the picture is the replay's of the page's own input, pixel for pixel" 0 \
  "$(compare -metric AE "$work/steered.png" "$work/seen/steered.png" null: 2>&1)"

# The picture's x under the pointer is the game's, exactly: the page's own
# recording of the x the game read, with the pointer on the middle of each
# pixel through whatever scale and letterbox the picture has.
for table in 640x480 full-screen-1280x720 full-screen-1024x768; do
  check "the page at $table: the picture's x 0 220 221 419 420 639 read as the game's x" "0 220 221 419 420 639" \
    "$(cat "$work/seen/table-$table.txt" 2>/dev/null)"
done
check "Escape: the page says the game ended" "The game has ended. Reload the page to play again." \
  "$(cat "$work/seen/ended.txt" 2>/dev/null)"
mapfile -t asked <"$work/seen/requests.txt"
others=()
for url in "${asked[@]}"; do [[ $url == "$origin/"* ]] || others+=("$url"); done
check "the page asks for its own files only" "" "${others[*]}"

if [ "$failures" -gt 0 ]; then
  rm -rf "$BUILD/web-seen" && cp -r "$work/seen" "$BUILD/web-seen"
  echo "What the page showed is kept in $BUILD/web-seen" >&2
fi

# Built again in another folder: the same zip, byte for byte.
again=$("$TESTS/../scripts/build-web.sh" "$work/again" 2>"$work/again.log") || cat "$work/again.log" >&2
check "built again elsewhere: the same zip" "" "$(cmp "${zips[0]}" "$again" 2>&1)"
finish
