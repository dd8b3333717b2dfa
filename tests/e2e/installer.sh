# The Windows installer as a player runs it, under Wine: the exe's icon and
# version resources read back; the zip and the installer the same bytes from
# a second build; installed silently into a fresh prefix of its own (per
# user, no administrator): the Start-menu shortcut and the Apps & features
# entry, the installed game started from another folder with SDL's default
# sound driver as players have it (no sound device here) and ended by
# Escape; then uninstalled silently, leaving the prefix's files as they were.
source "$(dirname "$0")/lib.sh"
start_x 1280 720 # first: Wine's programs keep the display their prefix's server started with
source "$(dirname "$0")/wine.sh"
name=$(basename "$game_dir")
version=${name#vorkkeli-} && version=${version%-windows-x64}

resources=$(wrestool -l "$game_dir/vorkkeli.exe")
check "the exe's icon: six sizes in one group" "6 1" \
  "$(grep -c 'type=icon ' <<<"$resources" || true) $(grep -c 'type=group_icon' <<<"$resources" || true)"
wrestool -x --raw --type=16 "$game_dir/vorkkeli.exe" >"$work/version.res"
check "the exe's version resource" "ProductName=vorkkeli ProductVersion=$version OriginalFilename=vorkkeli.exe" \
  "$(python3 -c 'import sys; words = [w for w in open(sys.argv[1], "rb").read().decode("utf-16-le", "ignore").split("\0") if w]
at = lambda k: next(i for i, w in enumerate(words) if w.endswith(k))  # each key behind its binary lengths
print(" ".join(f"{k}={words[at(k) + 1]}" for k in ("ProductName", "ProductVersion", "OriginalFilename")))' \
    "$work/version.res")"

"$TESTS/../scripts/build-windows.sh" "$work/again" >/dev/null 2>"$work/again.log" ||
  check "a second build" yes "$(visible "$work/again.log")"
for made in "$name.zip" "$name-setup.exe"; do
  check "$made: the same bytes from a second build" yes "$(cmp -s "$WINDOWS/$made" "$work/again/$made" && echo yes)"
done

export WINEPREFIX=$work/fresh
wineboot -i >/dev/null 2>&1 && timeout 60 wineserver -w
files() { (cd "$WINEPREFIX" && find . -type f ! -path './drive_c/users/*/Temp/*' | sort); }
files >"$work/before"
wine "$WINDOWS/$name-setup.exe" /S && timeout 60 wineserver -w
home=$WINEPREFIX/drive_c/users/$(id -un)
installed=$home/AppData/Local/Programs/vorkkeli
check "installed into the user's own programs folder" yes "$([ -f "$installed/vorkkeli.exe" ] && echo yes)"
check "the Start-menu shortcut" yes \
  "$([ -f "$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/vorkkeli.lnk" ] && echo yes)"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\vorkkeli'
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
check "the Apps & features entry" "vorkkeli $version yes yes" "$(python3 -c 'import re, sys
v = lambda k: (re.search(k + r"\s+REG_\w+\s+(.*)", sys.argv[1]) or [0, "-"])[1]
print(v("DisplayName"), v("DisplayVersion"), "yes" if v("DisplayIcon").endswith("vorkkeli.exe") else v("DisplayIcon"),
      "yes" if "uninstall.exe" in v("UninstallString") else v("UninstallString"))' "$entry")"

# With SDL's default sound driver and no sound device the window came up
# and stayed black and frozen for 8 s (Wine's WASAPI timing out) before the
# first picture. How long Wine takes depends on how busy the machine is, so
# the installed game's first picture with the default driver is timed
# against its first picture with SDL's dummy driver: no more than 4 s later.
lit() { local box && box=$(import -window root -depth 8 png:- 2>/dev/null | convert - -format '%@' info: 2>/dev/null) &&
  [[ $box != 0x0* ]]; }
first_picture() { # env(1) arguments: ms from the window to its first picture, then Escape; sets status
  (cd "$work" && exec "${orphan_proof[@]}" env "$@" wine "$installed/vorkkeli.exe") &
  local game=$! appeared && pids+=("$game")
  wait_for 60 window || check "the installed game: the window appears" yes no
  appeared=$(date +%s%N)
  wait_for 60 lit || check "the installed game: a picture" yes no
  echo $((($(date +%s%N) - appeared) / 1000000)) >"$work/waited"
  xdotool key Escape
  status=0 && wait "$game" || status=$?
}
first_picture SDL_AUDIODRIVER=dummy && silent=$(cat "$work/waited")
first_picture -u SDL_AUDIODRIVER && waited=$(cat "$work/waited")
check "the installed game ends on Escape with status 0" 0 "$status"
check "its first picture with SDL's default sound driver no more than 4 s after the dummy driver's" yes \
  "$( ((waited - silent < 4000)) && echo yes || echo "$waited ms against $silent ms")"

wine "$installed/uninstall.exe" /S && timeout 60 wineserver -w
files >"$work/after"
check "uninstalled: the prefix's files as before (NSIS's copy of the uninstaller in Temp aside)" "" \
  "$(diff "$work/before" "$work/after" || true)"
entry=$(wine reg query "$key" >/dev/null 2>&1 && echo yes || echo no)
# The wineserver saves the registry into the prefix as it ends: gone before
# the prefix is removed.
timeout 60 wineserver -w
check "uninstalled: the Apps & features entry is gone" no "$entry"
finish
