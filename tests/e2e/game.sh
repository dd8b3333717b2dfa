# The real game as a player gets it: built into a Debian package and unpacked,
# and installed into a prefix, each started from an unrelated folder in a
# private X server. Played: the title, the pointer's x steering while a mouse
# button drives, the engine view, the jingle twice over, Escape, and the
# window's close request.
source "$(dirname "$0")/lib.sh"
cpack -G DEB -B "$work/package" --config "$BUILD/CPackConfig.cmake" >/dev/null
deb=$(echo "$work"/package/vorkkeli_*.deb)
check "the package's dependencies, worked out from the executable" yes \
  "$(dpkg-deb -f "$deb" Depends | grep -q 'libsdl-mixer1.2 (>= ' && echo yes)"
dpkg-deb -x "$deb" "$work/unpacked"
cmake --install "$BUILD" --prefix "$work/prefix" >/dev/null
check "the desktop entry is valid" "" "$(desktop-file-validate "$work/prefix/share/applications/vorkkeli.desktop" 2>&1)"

mkfifo "$work/displayfd"
# Nothing started in the background keeps the test's output open.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/displayfd" &>"$work/xvfb.log" &
pids+=($!)
read -r number <"$work/displayfd"
export DISPLAY=":$number"

wait_for() { # seconds command...: polls the command until it succeeds
  local until=$((SECONDS + $1))
  until "${@:2}"; do [ "$SECONDS" -lt "$until" ] || return 1; sleep 0.05; done
}
# Evaluates a Python expression over the screen's pixels p(x, y) -> (r, g, b);
# `car` is the centre of the car's red body, or None.
screen() {
  import -window root -depth 8 rgb:- | python3 -c "import sys
d = sys.stdin.buffer.read()
p = lambda x, y: tuple(d[3 * (640 * y + x):3 * (640 * y + x) + 3])
red = [i // 3 for i in range(0, len(d), 3) if d[i] > 150 and d[i + 1] < 80 and d[i + 2] < 80]
car = '%d %d' % (sum(i % 640 for i in red) // len(red), sum(i // 640 for i in red) // len(red)) if red else None
print($1)"
}
shown() { # the car is on screen, so the game's final window is up (its first is replaced)
  car=$(screen car) && [ "$car" != None ] &&
    window=$(xdotool search --onlyvisible --name '^vorkkeli' | tail -n 1) && [ -n "$window" ]
}
start_game() { # launcher, env(1) arguments...: started from the scratch folder
  (cd "$work" && exec env "${@:2}" "$1") >"$work/stdout" 2>"$work/stderr" &
  game=$! && pids+=("$game")
  wait_for 20 shown || { check "the window appears" yes no; finish; }
}
stop_game() { # how
  wait_for 10 eval '! kill -0 $game 2>/dev/null' || check "$1 ends the game" yes no
  status=0 && wait "$game" || status=$?
  check "$1 ends the game with status 0" 0 "$status"
}
car_away() { car=$(screen car) && [ "$car" != None ] && read -r x y <<<"$car" && (((x - x0) ** 2 + (y - y0) ** 2 >= 6400)); }
audio() { python3 - "$@" "$ASSETS/polkumusiikkitiedostoon.wav" "$work/audio.raw" <<<"import sys
wav, out = (open(f, 'rb').read() for f in sys.argv[2:])
sys.exit(0 if {'started': out.strip(b'\0'), 'twice': wav[wav.index(b'data') + 8:] * 2 in out}[sys.argv[1]] else 1)"
}

start_game "$work/unpacked/usr/bin/vorkkeli" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw"
check "the window's title" "vorkkeli v. ~0,001 ^-^" "$(xdotool getwindowname "$window")"

# The pointer right and high: its x steers right, where its y would steer
# left. The left button drives the car 80 pixels away, turning right.
xdotool mousemove --sync 500 100 mousedown 1
read -r x0 y0 <<<"$car" && x=$x0 y=$y0
wait_for 10 car_away || check "the left button drives the car" "80 pixels away" "$car"
xdotool mouseup 1
check "the car went up and turned right" "yes yes" "$( ((y < y0)) && echo yes) $( ((x > x0 + 5)) && echo yes)"

# F2: the piston on black (the golden frames check its pixels).
xdotool keydown F2
wait_for 10 eval '[ "$(screen "p(100, 240) == (0, 0, 0) < max(p(320, y) for y in range(480))")" == True ]' ||
  check "F2 shows the engine view" yes no
xdotool keyup F2

# F3 held a few frames restarts the jingle on one channel each frame; after
# the last start it plays through twice.
xdotool keydown F3
wait_for 10 audio started || check "F3 starts the jingle" yes no
size=$(stat -c %s "$work/audio.raw")
wait_for 5 eval '(($(stat -c %s "$work/audio.raw") > size + 16384))' # F3 held for about 90 ms of sound more
xdotool keyup F3
wait_for 15 audio twice || check "the jingle plays twice after F3" yes no

xdotool key Escape
stop_game Escape
check "no load error: on stderr only the disk driver's notice" \
  "CRITICAL: You are using the SDL disk i/o audio driver!\nCRITICAL:  Writing to file [$work/audio.raw].\n" \
  "$(visible "$work/stderr")"

start_game "$work/prefix/bin/vorkkeli"
kill -TERM "$game"
stop_game "the close request (SIGTERM)"
check "installed into a prefix: nothing on stderr" "" "$(visible "$work/stderr")"
finish
