# The arm64 build (ARM64, the folder scripts/build-arm64.sh built), run under
# qemu-user: the game opens full screen on a private X server with its
# picture letterboxed, reads straight ahead at launch and ends with status 0
# on Escape; its Debian package holds what the native one holds, depends on
# Debian's arm64 package of every library it links, and is clean for lintian.
source "$(dirname "$0")/lib.sh"
root=$(cat "$ARM64/build/libraries")
debs=("$ARM64"/build/vorkkeli_*_arm64.deb)
deb=${debs[0]}

start_x 1280 720
matchbox-window-manager -use_titlebar no &>"$work/wm.log" &
pids+=($!)
wm_up() { local root && root=$(xprop -root _NET_SUPPORTING_WM_CHECK) && [[ $root == *"window id"* ]]; }
wait_for 30 wm_up || check "the window manager starts" yes "no: $(visible "$work/wm.log")"
(cd "$ASSETS" && exec "${orphan_proof[@]}" env VORKKELI_RECORD="$work/record" "$ARM64/qemu/vorkkeli") \
  >"$work/stdout" 2>"$work/stderr" &
game=$! && pids+=("$game")
lit() { import -window root -depth 8 png:- 2>/dev/null | convert - -format '%@' info: 2>/dev/null; }
# Emulated, the first picture takes seconds.
wait_for 120 eval '[ "$(lit)" == 960x720+160+0 ] && [ -s "$work/record" ]' || true
check "the picture is 640x480 scaled 1.5 times between black bars" 960x720+160+0 "$(lit)"
first=$(head -n 1 "$work/record" || true)
check "at launch the game reads x 320" 320 "${first%% *}"
window=$(xdotool search --onlyvisible --name '^vorkkeli' | tail -n 1)
check "the window's title" "vorkkeli v. ~0,001 ^-^" "$(xdotool getwindowname "$window")"
xdotool key --window "$window" Escape
wait_for 60 eval '! kill -0 $game 2>/dev/null' || check "Escape ends the game" yes no
status=0 && wait "$game" || status=$?
check "Escape ends the game with status 0 and nothing on stderr" "0 " "$status $(visible "$work/stderr")"

# The package beside the native one (built in its own folder).
native=$("$TESTS/../scripts/package.sh" "$work/native")
contents() { dpkg-deb -c "$1" | awk '{print $6}'; }
check "the same files as the native package" "$(contents "$native")" "$(contents "$deb")"
check "the package is arm64's" arm64 "$(dpkg-deb -f "$deb" Architecture)"
dpkg-deb -x "$deb" "$work/unpacked"
game_file=$work/unpacked/usr/lib/games/vorkkeli/vorkkeli
check "the game in it is an arm64 program" yes "$([[ $(file -b "$game_file") == "ELF 64-bit LSB pie executable, ARM aarch64"* ]] && echo yes)"
# Each library the game links, found in the arm64 root, and the package
# that brings it there named in Depends.
depends=$(dpkg-deb -f "$deb" Depends)
named=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/ //g')
missing=()
for library in $(aarch64-linux-gnu-readelf -d "$game_file" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
  owner=
  for path in "$root"/{lib,usr/lib}/aarch64-linux-gnu/"$library"; do
    [ -e "$path" ] && owner=$(DPKG_ADMINDIR=$root/var/lib/dpkg dpkg-query --search "$path" 2>/dev/null | cut -d: -f1)
  done
  grep -qxF "${owner:-?}" <<<"$named" || missing+=("$library${owner:+ ($owner)}")
done
check "Depends names the package of every library the game links" "" "${missing[*]}"
check "SDL 1.2 is the maintained one, by its own package name" yes \
  "$([[ $depends == 'libsdl1.2-compat-shim | libsdl1.2debian (>= 1.2.64), '* ]] && echo yes)"
check "lintian --pedantic: no error, no warning" "" \
  "$(lintian --pedantic "$deb" 2>/dev/null | grep -E '^[EW]:' || true)"
finish
