# Shared by the Windows tests: a private Wine prefix (made once, kept in the
# cache) and the zip unpacked into the scratch folder, the Windows replay
# tool beside the game; game_dir names that folder.
export WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/vorkkeli/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$WINEPREFIX")"
# The first boot finishes only when its wineserver has gone.
(flock 9 && [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i && timeout 60 wineserver -w; } >/dev/null 2>&1) \
  9>"$WINEPREFIX.lock"
zip=$(ls "$WINDOWS"/vorkkeli-*-windows-x64.zip 2>/dev/null) ||
  { echo "FAIL: no Windows zip in $WINDOWS: scripts/build-windows.sh makes it" >&2; exit 1; }
unzip -q "$zip" -d "$work"
game_dir=$(echo "$work"/vorkkeli-*-windows-x64)
cp "$WINDOWS/build/vorkkeli-replay.exe" "$game_dir/"
# Sets window to the game's window once Wine has mapped it, and gives it the
# keyboard: with no window manager, Wine may leave the focus on a window of
# its own for a while, or for good, and a key pressed then never reaches the
# game (seen: Escape lost, the game still running a minute later).
window() {
  window=$(xdotool search --onlyvisible --name '^vorkkeli' | tail -n 1) && [ -n "$window" ] &&
    xdotool windowfocus "$window"
}
