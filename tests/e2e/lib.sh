# Shared by the end-to-end scripts: a clean environment, a scratch folder,
# and checks that count failures and show line feeds.
set -euo pipefail
# Nothing started here may reach the caller's display or session bus.
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work
pids=()
# Every program a test starts runs through this, so it dies with the test even
# when the test itself is killed (a timeout) and no trap runs.
orphan_proof=(setpriv --pdeathsig KILL --)
trap 'kill ${pids[@]+"${pids[@]}"} 2>/dev/null || true; rm -rf "$work"' EXIT
trap 'exit 143' TERM

failures=0
check() { # what expected actual
  [ "$2" == "$3" ] && echo "ok: $1" && return
  echo "FAIL: $1: expected [$2], got [$3]" >&2
  failures=$((failures + 1))
}
finish() {
  [ "$failures" -eq 0 ] && echo "all passed" && exit 0
  echo "$failures failed" >&2 && exit 1
}
servers=0
start_x() { # width height [Xvfb option...]: a private X server, a new one each call; sets DISPLAY and xserver
  servers=$((servers + 1))
  mkfifo "$work/displayfd.$servers"
  # Nothing started in the background keeps the test's output open. The
  # server does not reset when its last client leaves, so a client starting
  # just then (a window manager while the test polls the root) is not dropped.
  Xvfb -displayfd 3 -screen 0 "$1x$2x24" -nolisten tcp -noreset "${@:3}" 3>"$work/displayfd.$servers" \
    &>"$work/xvfb.$servers.log" &
  xserver=$! && pids+=("$xserver")
  read -r number <"$work/displayfd.$servers"
  export DISPLAY=":$number"
}
# The number after NAME= in a program's report (a file), or what is missing.
field() { # name file
  local report && report=$(cat "$2")
  [[ $report =~ (^|[^a-z_])$1=([0-9.]+) ]] && echo "${BASH_REMATCH[2]}" || echo "no $1 in $2"
}
# How many pixels of two pictures differ, as ImageMagick counts them.
pixels_differ() { # picture picture
  compare -metric AE "$1" "$2" null: 2>&1 || true
}
wait_for() { # seconds command...: polls the command until it succeeds
  local until=$((SECONDS + $1))
  until "${@:2}"; do [ "$SECONDS" -lt "$until" ] || return 1; sleep 0.05; done
}
serve() { # folder: served over HTTP on 127.0.0.1 at a free port; sets origin
  "${orphan_proof[@]}" python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$1" >"$work/server.log" 2>&1 &
  pids+=($!)
  wait_for 30 grep -qs ' port [0-9]' "$work/server.log"
  local served && served=$(cat "$work/server.log")
  [[ $served =~ port\ ([0-9]+) ]] && origin=http://127.0.0.1:${BASH_REMATCH[1]}
}
close_window() { # X window id: sends it the close request a window manager sends
  /usr/bin/python3 -c 'import sys; from Xlib import X, display, protocol
d = display.Display(); w = d.create_resource_object("window", int(sys.argv[1]))
w.send_event(protocol.event.ClientMessage(window=w, client_type=d.intern_atom("WM_PROTOCOLS"),
    data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))); d.flush()' "$1"
}
window_and_x() { # the window's size, and the pointer's x in the game's 640 through its letterbox
  local info pointer && info=$(xwininfo -id "$window") && pointer=$(xdotool getmouselocation --shell) &&
    python3 -c 'import re, sys; n = lambda key, text: int(re.search(key + r"[:=]\s*(-?\d+)", text)[1])
i, x = sys.argv[1], n("X", sys.argv[2]); w, h = n("Width", i), n("Height", i); s = min(w / 640, h / 480)
print(f"{w}x{h}", int((x - n("Absolute upper-left X", i) - (w - 640 * s) / 2) / s))' "$info" "$pointer"
}
# The game x the game read in its latest tic, from its recording (VORKKELI_RECORD).
recorded_x() { # recording
  local last && last=$(tail -n 1 "$1") && echo "${last%% *}"
}
# The steering's edges through whatever scale and letterbox the picture has
# on the screen: the pointer put on the middle of the picture's pixel at x 0,
# 220, 221, 419, 420 and 639 (y 240), and the x the game read for it once it
# has run two tics more, from its recording. The picture is WxH+X+Y on the
# screen; moves go through MOVE (xdotool, or another program taking x y).
pointer_table() { # label recording picture [move...]
  local label=$1 record=$2 picture=$3 move=("${@:4}") read=() px sx sy lines
  [ ${#move[@]} -gt 0 ] || move=(xdotool mousemove --sync)
  [[ $picture =~ ^([0-9]+)x([0-9]+)\+(-?[0-9]+)\+(-?[0-9]+)$ ]] || { check "$label: the picture" WxH+X+Y "$picture"; return; }
  local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} left=${BASH_REMATCH[3]} top=${BASH_REMATCH[4]}
  # The window may be up before the game's first tic (Wine in a new prefix
  # takes seconds to open the sound).
  wait_for 60 test -s "$record" || { check "$label: the game records its tics" yes no; return; }
  for px in 0 220 221 419 420 639; do
    read -r sx sy <<<"$(python3 -c 'import sys; w, h, l, t, x = map(int, sys.argv[1:])
print(l + int((x + 0.5) * w / 640), t + int(240.5 * h / 480))' "$w" "$h" "$left" "$top" "$px")"
    "${move[@]}" "$sx" "$sy"
    lines=$(wc -l <"$record")
    wait_for 30 eval '(($(wc -l <"$record") >= lines + 2))' || true
    read+=("$(recorded_x "$record")")
  done
  check "$label: the picture's x 0 220 221 419 420 639 read as the game's x" "0 220 221 419 420 639" "${read[*]}"
}
# The game's window as WxH+X+Y on the screen.
window_box() {
  local info && info=$(xwininfo -id "$window") && python3 -c 'import re, sys
n = lambda key: int(re.search(key + r":\s*(-?\d+)", sys.argv[1])[1])
print("%dx%d+%d+%d" % (n("Width"), n("Height"), n("Absolute upper-left X"), n("Absolute upper-left Y")))' "$info"
}
# Whether another client can grab the pointer now: GrabSuccess, or why not.
grab_pointer() {
  /usr/bin/python3 -c 'from Xlib import X, display
d = display.Display(); root = d.screen().root
status = root.grab_pointer(False, X.PointerMotionMask, X.GrabModeAsync, X.GrabModeAsync, X.NONE, X.NONE, X.CurrentTime)
d.ungrab_pointer(X.CurrentTime); d.sync()
print({X.GrabSuccess: "GrabSuccess", X.AlreadyGrabbed: "AlreadyGrabbed", X.GrabFrozen: "GrabFrozen"}.get(status, status))'
}
# The picture's box (WxH+X+Y) in the game's window: 640x480 scaled to fit
# and centred, as SDL letterboxes it.
picture_box() {
  local box && box=$(window_box) && python3 -c 'import re, sys
w, h, x, y = map(int, re.findall(r"-?\d+", sys.argv[1])); s = min(w / 640, h / 480)
print("%dx%d+%d+%d" % (640 * s, 480 * s, x + (w - 640 * s) / 2, y + (h - 480 * s) / 2))' "$box"
}
# Alt+Enter twice on $window: a 640x480 window, then full screen on 1280x720.
# In full screen, in the window and in full screen again, the picture's x
# under the pointer is the game's (from its recording, $work/record); in the
# window the pointer goes where it is moved, off the window too, and another
# client can grab it. Unless "sizes" is given (Wine, which moves the pointer
# too late for the game to see it), the pointer stays at the same game x
# through each switch.
switches_window() { # label [sizes]
  local label=$1 before expected size x box outside
  [ "${2:-}" == sizes ] || wait_for 30 eval '[[ $(window_and_x) == *" 320" ]]' || true # put straight ahead
  pointer_table "$label, full screen" "$work/record" "$(picture_box)"
  # x 360 of the game's 640 through the letterbox, reached in two moves as a
  # hand makes them: where the launch's warp did not take (a busy machine),
  # the pointer may rest there already, and the game unpins only on motion.
  xdotool mousemove --sync 690 300 mousemove --sync 700 300
  read -r _ before <<<"$(window_and_x)"
  for expected in 640x480 1280x720; do
    xdotool key alt+Return
    wait_for 30 eval '[[ $(window_and_x) == "$expected "* ]]' || true
    read -r size x <<<"$(window_and_x)"
    if [ "${2:-}" == sizes ]; then
      check "$label, Alt+Enter: $expected" "$expected" "$size"
    else
      check "$label, Alt+Enter: $expected, the pointer at the same game x (within a pixel's rounding)" \
        "$expected yes" "$size $( ((x - before <= 1 && before - x <= 1)) && echo yes || echo "$before then $x")"
    fi
    box=$(picture_box)
    if [ "$expected" == 640x480 ]; then
      pointer_table "$label, a window after Alt+Enter" "$work/record" "$box"
      # A corner of the screen the window does not cover.
      read -r outside <<<"$(python3 -c 'import re, sys
w, h, x, y = map(int, re.findall(r"-?\d+", sys.argv[1])); print("1270 710" if x + w < 1270 or y + h < 710 else "5 5")' "$box")"
      xdotool mousemove $outside
      wait_for 10 eval '[[ $(xdotool getmouselocation) == "x:${outside% *} y:${outside#* } "* ]]' || true
      check "$label, Alt+Enter, a window: the pointer leaves it" "x:${outside% *} y:${outside#* }" \
        "$(xdotool getmouselocation | cut -d' ' -f1-2)"
      wait_for 10 eval '[ "$(grab_pointer)" == GrabSuccess ]' || true
      check "$label, Alt+Enter, a window: another client can grab the pointer" GrabSuccess "$(grab_pointer)"
      # Back over the window at its x 360, for the switch back.
      [[ $box =~ \+(-?[0-9]+)\+(-?[0-9]+)$ ]] &&
        xdotool mousemove --sync $((BASH_REMATCH[1] + 350)) $((BASH_REMATCH[2] + 240)) \
          mousemove --sync $((BASH_REMATCH[1] + 360)) $((BASH_REMATCH[2] + 240))
      read -r _ before <<<"$(window_and_x)"
    else
      pointer_table "$label, full screen again after Alt+Enter" "$work/record" "$box"
    fi
  done
}
# A file's bytes with each line feed written as \n, the last one included.
visible() { # file
  local text && text=$(cat "$1" && echo .) && text=${text%.}
  printf '%s' "${text//$'\n'/\\n}"
}
