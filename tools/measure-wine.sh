#!/usr/bin/env bash
# Measures the Windows game under Wine beside the native game, on one private
# X server: steps and pictures a second over about ten seconds, and the
# game's CPU use (the Windows game's own process; Wine's server apart). The
# native game runs with tools/fake_display.cpp keeping SDL's own flip; the
# Windows one is vorkkeli-counted.exe from scripts/build-windows.sh.
# usage: tools/measure-wine.sh [SECONDS]   (default 10)
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/tests/e2e/lib.sh" # a scratch folder, a private X server, fields
seconds=${1:-10}
"$top/scripts/setup.sh" measure
"$top/scripts/build.sh" >/dev/null
"$top/scripts/build-windows.sh" >/dev/null
start_x 1280 720
export WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/vorkkeli/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
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
