#!/usr/bin/env bash
# Measures the Windows game under Wine beside the native game, on one private
# X server: steps and pictures a second over about ten seconds, and the
# game's CPU use (the Windows game's own process; Wine's server apart). The
# native game runs with tools/fake_display.cpp keeping SDL's own flip; the
# Windows one is vorkkeli-counted.exe from scripts/build-windows.sh.
# usage: tools/measure-wine.sh [SECONDS]   (default 10)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-10}
"$top/scripts/setup.sh" measure
"$top/scripts/build.sh" >/dev/null
"$top/scripts/build-windows.sh" >/dev/null
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
mkfifo "$work/fd"
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$work/fd" 2>/dev/null &
read -r number <"$work/fd"
export DISPLAY=":$number" SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work"
export WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/vorkkeli/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
field() { grep -o "$1=[0-9.]*" "$2" | cut -d= -f2; }
printf '%-22s %8s %10s %6s\n' game steps/s pictures/s CPU

(cd "$top/assets" && env LD_PRELOAD="$top/build/libfake_display.so" FAKE_DISPLAY_STEPS=$((seconds * 60 + 60)) \
  "$top/build/vorkkeli") 2>"$work/native"
printf '%-22s %8s %10s %6s\n' "native (Linux)" "$(field steps "$work/native")" "$(field flips "$work/native")" \
  "$(field cpu "$work/native")%"

unzip -q "$top"/build-windows/vorkkeli-*-windows-x64.zip -d "$work"
cp "$top/build-windows/build/vorkkeli-counted.exe" "$work"/vorkkeli-*-windows-x64/
SDL_STDIO_REDIRECT=0 wine "$work"/vorkkeli-*-windows-x64/vorkkeli-counted.exe 2>"$work/wine" &
game=$!
sleep $((seconds + 1)) && xdotool key Escape
wait "$game" || true
printf '%-22s %8s %10s %6s\n' "Windows, under Wine" "$(field steps "$work/wine")" "$(field flips "$work/wine")" \
  "$(field cpu "$work/wine")%"
