# The real game as a player gets it: installed into a prefix (and in the end
# uninstalled from it) and started from
# an unrelated folder, full screen on a 1280x720 private X server with a
# window manager. Played: the title, the letterboxed picture, no steering
# before the pointer moves, the pointer's x steering while a mouse button
# drives, the engine view, the jingle twice over, Escape, ./play handing the
# game the close request, the same launch under a Wayland compositor,
# Alt+Enter's window and back, and the X server going away mid-game with the
# sound playing. (The package's test
# ends the game by the close request.) Uninstalling leaves what else was in
# the prefix.
# Nothing here depends on how fast the machine answers: each check waits for a
# condition that stays true once reached, and the steering is watched with the
# game stopped (SIGSTOP) between short slices of play.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/prefix/share/applications" && echo "not ours" >"$work/prefix/share/applications/other.desktop"
"$TESTS/../scripts/install.sh" "$work/prefix" "$BUILD" >/dev/null
game_command=$work/prefix/bin/vorkkeli

# The bounding box (WxH+X+Y) of the screen's pixels near the car's red body,
# or of every pixel that is not black, or 0x0+... when there are none.
# Under weston its own pointer is part of the screen's pixels, and until weston
# first hears from X's pointer it draws it at the top-left corner, in the black
# bar: "unpointed" leaves that corner out of "lit".
box() { # car|lit|unpointed
  local only=(-fuzz 12% -fill '#00fe01' -opaque '#c8201e' -fuzz 0 -fill black +opaque '#00fe01')
  [ "$1" == lit ] && only=()
  [ "$1" == unpointed ] && only=(-fill black -draw 'rectangle 0,0 31,31')
  import -window root -depth 8 png:- 2>/dev/null | convert - "${only[@]}" -format '%@' info: 2>/dev/null
}
car() { # sets car to the car's centre "X Y" in screen pixels, false when it is not seen
  local b && b=$(box car) && [[ $b =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] &&
    ((BASH_REMATCH[1] > 0)) && car="$((BASH_REMATCH[3] + BASH_REMATCH[1] / 2)) $((BASH_REMATCH[4] + BASH_REMATCH[2] / 2))"
}
at_rest() { # the car seen in the same place twice, half a second apart
  car && local before=$car && sleep 0.5 && car && [ "$car" == "$before" ]
}
shown() { # the car is on screen, so the game's final window is up (its first is replaced)
  car && window=$(xdotool search --onlyvisible --name '^vorkkeli' | tail -n 1) && [ -n "$window" ]
}
start_game() { # env(1) arguments...: started from the scratch folder, its input recorded
  rm -f "$work/record"
  (cd "$work" && exec "${orphan_proof[@]}" env VORKKELI_RECORD="$work/record" "$@" "$game_command") \
    >"$work/stdout" 2>"$work/stderr" &
  game=$! && pids+=("$game")
  wait_for 30 shown || { check "the window appears" yes no; finish; }
}
stop_game() { # how, expected status
  wait_for 20 eval '! kill -0 $game 2>/dev/null' || check "$1 ends the game" yes no
  status=0 && wait "$game" || status=$?
  check "$1 ends the game with status ${2:-0}" "${2:-0}" "$status"
}
mkfifo "$work/never" && exec 9<>"$work/never" # read -t on it: a sleep without a fork
play_a_little() { # lets the stopped game run for a moment, then stops it again
  kill -CONT "$game" && read -r -t 0.03 -u 9 || true
  kill -STOP "$game"
}
audio() { python3 - "$ASSETS/polkumusiikkitiedostoon.wav" "$work/audio.raw" <<<"import sys
wav, out = (open(f, 'rb').read() for f in sys.argv[1:])
sys.exit(0 if wav[wav.index(b'data') + 8:] * 2 in out else 1)"
}

start_x 1280 720
matchbox-window-manager -use_titlebar no &>"$work/wm.log" &
pids+=($!) && wm=$!
# SDL asks the window manager for full screen: it must be up first.
wm_up() { local root && root=$(xprop -root _NET_SUPPORTING_WM_CHECK) && [[ $root == *"window id"* ]]; }
wait_for 30 wm_up || check "the window manager starts" yes "no: $(visible "$work/wm.log")"
# Left resting right of centre, where the game would read it as steering right
# (x 560 of 640 through the letterbox) had it not put the pointer straight ahead.
xdotool mousemove --sync 1000 300
start_game SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw"
check "the window's title" "vorkkeli v. ~0,001 ^-^" "$(xdotool getwindowname "$window")"
icon=$(xprop -id "$window" _NET_WM_ICON)
check "the window's icon: the car at 32x32" yes "$([[ $icon == *"Icon (32 x 32)"* ]] && echo yes)"
geometry() { xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([0-9,]*\).*/\1/p;s/.*Geometry: //p' | paste -sd ' '; }
wait_for 30 eval '[ "$(geometry)" == "0,0 1280x720" ] && [ "$(box lit)" == 960x720+160+0 ]' || true
check "the window covers the screen" "0,0 1280x720" "$(geometry)"
check "the picture is 640x480 scaled 1.5 times between black bars, not stretched" "960x720+160+0" "$(box lit)"

# The car starts at (320, 240), speed 1, and coasts straight up to rest.
wait_for 30 at_rest || check "the car comes to rest" yes no
read -r x0 y0 <<<"$car"
check "no steering before the pointer moves: the car rests straight above the centre" "640 yes" \
  "$x0 $( ((y0 < 360 - 50)) && echo yes)"
launched_straight() { # label: the first tic's x, as recorded
  local first && first=$(head -n 1 "$work/record") && check "${1}at launch the game reads x 320" 320 "${first%% *}"
}
launched_straight ""

# The pointer right and high: its x steers right, where its y would steer
# left. The left button drives the car away from where it rests (x0, y0);
# the game runs in short slices with a look at the screen between them,
# until the car is 60 pixels away.
away() { play_a_little && car && read -r x y <<<"$car" && (((x - x0) ** 2 + (y - y0) ** 2 >= 3600)); }
drives_right() { # label
  # A move and a small one more, as a hand makes: a compositor may give the
  # first as where the pointer entered, with no motion the game counts.
  xdotool mousemove --sync 910 152 && xdotool mousemove --sync 910 150
  kill -STOP "$game"
  xdotool mousedown 1
  for _ in $(seq 500); do away && break; done
  kill -CONT "$game"
  xdotool mouseup 1
  check "${1}the left button drives the car away, up and turning right" "yes yes" \
    "$( ((y < y0)) && echo yes) $( ((x > x0 + 5)) && echo yes)"
}
drives_right ""
pointer_table "X11, full screen on 16:9" "$work/record" 960x720+160+0

# F2: the piston alone on black (the golden frames check its pixels).
xdotool keydown F2
piston_alone() { [[ $(box lit) =~ ^1[0-9][0-9]x[0-9]+\+5[0-9][0-9]\+ ]]; }
wait_for 30 piston_alone || check "F2 shows the engine view: only the piston is lit" yes "$(box lit)"
xdotool keyup F2

# F3 held a few frames restarts the jingle on one channel each frame; after
# the last start it plays through twice.
xdotool keydown F3
size=$(stat -c %s "$work/audio.raw")
wait_for 30 eval '(($(stat -c %s "$work/audio.raw") > size + 16384))' # F3 held for about 90 ms of sound more
xdotool keyup F3
wait_for 30 audio || check "the jingle plays twice after F3" yes no

xdotool key Escape
stop_game Escape
check "no load error: on stderr only the disk driver's notice" \
  "CRITICAL: You are using the SDL disk i/o audio driver!\nCRITICAL:  Writing to file [$work/audio.raw].\n" \
  "$(visible "$work/stderr")"

# ./play told to end (as a closed terminal or Ctrl+C would) hands the game the
# close request and ends with the game's status.
"${orphan_proof[@]}" "$TESTS/../play" >"$work/play.log" 2>&1 &
game=$! && pids+=("$game")
# (./play builds build/ first: from nothing, in a copy of the tree, that takes minutes)
wait_for 400 shown || check "./play: the window appears" yes "$(visible "$work/play.log")"
kill -TERM "$game"
stop_game "./play told to end"
gone() { ! xdotool search --onlyvisible --name '^vorkkeli' >/dev/null; }
wait_for 20 gone || check "./play told to end: the game's window goes" yes no

# Under a Wayland compositor (weston, in a window of this X server, with its
# pointer as input) the game cannot move the pointer: resting right of centre
# at launch, it reads straight ahead until it moves.
weston --backend=x11-backend.so --socket=vorkkeli-test --width=1280 --height=720 --use-pixman --idle-time=0 \
  &>"$work/weston.log" &
pids+=($!) && weston=$!
wait_for 30 test -S "$XDG_RUNTIME_DIR/vorkkeli-test" || check "weston starts" yes no
xdotool mousemove --sync 1000 300
rm -f "$work/record"
(cd "$work" && exec "${orphan_proof[@]}" env -u DISPLAY WAYLAND_DISPLAY=vorkkeli-test VORKKELI_RECORD="$work/record" \
  "$game_command") >"$work/stdout" 2>"$work/stderr" &
game=$! && pids+=("$game")
wait_for 30 eval '[ "$(box unpointed)" == 960x720+160+0 ]' || true
check "Wayland: the picture is full screen, letterboxed" "960x720+160+0" "$(box unpointed)"
wait_for 30 at_rest || check "Wayland: the car comes to rest" yes no
read -r x0 y0 <<<"$car"
check "Wayland: no steering before the pointer moves" "640 yes" "$x0 $( ((y0 < 360 - 50)) && echo yes)"
launched_straight "Wayland: "
drives_right "Wayland, once the pointer moves: "
pointer_table "Wayland, full screen on 16:9" "$work/record" 960x720+160+0
# Alt+Enter to a window (weston's desktop then shows around it) and back,
# the pointer (which weston draws) resting inside the picture. Weston
# places the window itself: the picture is found on the screen, drawn 1:1,
# by the left of its row y 60 (the start tile and a pixel of the marker
# line, which no other row has there; the car drives right, away from it),
# from the replay's first frame.
(cd "$ASSETS" && echo '320 0 -' | SDL_VIDEODRIVER=dummy "$VORKKELI_REPLAY" --shot "1:$work/first.png" >/dev/null)
convert "$work/first.png" -crop 128x1+0+60 rgb:"$work/row60.rgb"
picture_on_screen() { # the 640x480 picture's box on the screen, found by its row 60
  import -window root -depth 8 rgb:"$work/screen.rgb" 2>/dev/null && python3 -c 'import sys
row, screen = (open(f, "rb").read() for f in sys.argv[1:3]); width = int(sys.argv[3]) * 3
for y in range(len(screen) // width):
    x = screen[y * width:(y + 1) * width].find(row)
    if x >= 0 and x % 3 == 0:
        print(f"640x480+{x // 3}+{y - 60}"); break
else:
    sys.exit(1)' "$work/row60.rgb" "$work/screen.rgb" 1280
}
xdotool mousemove --sync 640 700
xdotool key alt+Return
wait_for 30 eval '[ "$(box unpointed)" != 960x720+160+0 ]' || check "Wayland, Alt+Enter: a window" yes no
wait_for 30 picture_on_screen || true
window_picture=$(picture_on_screen || echo "not found")
# Into the window, twice, as a hand moves: weston's first word is where the
# pointer entered, which the game does not count as a move.
[[ $window_picture =~ \+(-?[0-9]+)\+(-?[0-9]+)$ ]] &&
  xdotool mousemove --sync $((BASH_REMATCH[1] + 310)) $((BASH_REMATCH[2] + 200)) \
    mousemove --sync $((BASH_REMATCH[1] + 320)) $((BASH_REMATCH[2] + 210))
pointer_table "Wayland, a window after Alt+Enter" "$work/record" "$window_picture"
xdotool mousemove --sync 640 700
xdotool key alt+Return
wait_for 30 eval '[ "$(box unpointed)" == 960x720+160+0 ]' || true
check "Wayland, Alt+Enter twice: full screen again, letterboxed" "960x720+160+0" "$(box unpointed)"
pointer_table "Wayland, full screen again after Alt+Enter" "$work/record" 960x720+160+0
xdotool key Escape
stop_game "Escape under Wayland"
kill "$weston"

# Alt+Enter: a 640x480 window that lets the pointer go, and full screen
# again, the pointer reading the same game x throughout and the picture's x
# under it everywhere; the title stays. Under openbox, which lets a window be
# smaller than the screen (matchbox makes every window fill it), on an X
# server of its own, where it is the first client: openbox will not start
# while another window manager holds the screen, and one that has just gone
# leaves its check window on the root.
start_x 1280 720
wm_named() { # name
  local root name && root=$(xprop -root _NET_SUPPORTING_WM_CHECK) &&
    name=$(xprop -id "${root##* }" _NET_WM_NAME 2>/dev/null) && [[ $name == *"\"$1\""* ]]
}
openbox &>"$work/openbox.log" &
openbox=$! && pids+=("$openbox")
wait_for 30 wm_named Openbox || check "openbox starts on its own X server" yes "$(visible "$work/openbox.log")"
start_game
switches_window X11
# A window manager slow to resize and place the window (held stopped for
# 0.3 s across Alt+Enter, as a busy machine's can be): the game puts the
# pointer back once the window has settled, not through its old place.
xdotool mousemove --sync 690 300 mousemove --sync 700 300
read -r _ before <<<"$(window_and_x)"
kill -STOP "$openbox" && xdotool key alt+Return && read -r -t 0.3 -u 9 || true
kill -CONT "$openbox"
wait_for 30 eval '[[ $(window_and_x) == "640x480 "* ]]' || true
check "X11, Alt+Enter with the window manager 0.3 s late: a window, the pointer at the same game x" \
  "640x480 $before" "$(window_and_x)"
xdotool key alt+Return
check "Alt+Enter twice: the title" "vorkkeli v. ~0,001 ^-^" "$(xdotool getwindowname "$window")"
xdotool key Escape
stop_game "Escape after Alt+Enter twice"

# Full screen on a 4:3 screen and on one of the picture's own size.
for screen in 1024x768:1024x768+0+0 640x480:640x480+0+0; do
  start_x "${screen%%x*}" "$(IFS=x: read -r _ h _ <<<"$screen" && echo "$h")"
  matchbox-window-manager -use_titlebar no &>"$work/wm.$servers.log" &
  pids+=($!)
  wait_for 30 wm_up || check "the window manager starts on ${screen%%:*}" yes "no: $(visible "$work/wm.$servers.log")"
  start_game
  launched_straight "${screen%%:*}: "
  xdotool mousemove --sync 5 5 mousemove --sync 6 6
  pointer_table "X11, full screen on ${screen%%:*}" "$work/record" "${screen#*:}"
  xdotool key Escape
  stop_game "Escape on ${screen%%:*}"
done

# The X server killed while the game plays sound: one line and status 1,
# whether it goes as the window opens (the game may still be setting it up)
# or in play. Without shared memory every picture goes down the socket, so
# the game is often writing when the server goes; beside two busy loops the
# moments vary from run to run.
for _ in 1 2; do
  "${orphan_proof[@]}" sh -c 'while :; do :; done' &
  pids+=($!) && busy+=($!)
done
for when in opening opening opening playing playing playing; do
  start_x 1280 720 -extension MIT-SHM
  matchbox-window-manager -use_titlebar no &>"$work/wm.$servers.log" &
  pids+=($!)
  wait_for 30 wm_up || check "the window manager starts ($when)" yes "no: $(visible "$work/wm.$servers.log")"
  (cd "$work" && exec "${orphan_proof[@]}" env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null "$game_command") \
    >"$work/stdout" 2>"$work/stderr" &
  game=$! && pids+=("$game")
  if [ "$when" == opening ]; then
    wait_for 30 eval 'xdotool search --onlyvisible --name "^vorkkeli" >/dev/null' || check "the window appears" yes no
  else
    wait_for 30 shown || check "the window appears" yes no
  fi
  kill -KILL "$xserver"
  stop_game "losing the display ($when)" 1
  check "losing the display ($when): the last line says so" "Yhteys näyttöön katkesi: peli päättyy." \
    "$(tail -n 1 "$work/stderr")"
done
kill "${busy[@]}"

"$TESTS/../scripts/uninstall.sh" "$work/prefix" >/dev/null
check "uninstalled: nothing of ours is left in the prefix, and what else was there is" \
  "$work/prefix/share $work/prefix/share/applications $work/prefix/share/applications/other.desktop" \
  "$(find "$work/prefix" -mindepth 1 | sort | paste -sd ' ')"
finish
