#!/usr/bin/env bash
# Measures the Windows game under Wine beside the native game, on one private
# X server: steps and pictures a second over about ten seconds, and the
# game's CPU use (the Windows game's own process; Wine's server apart), with
# SDL's default renderer and with SDL_RENDER_DRIVER=opengl and software. The
# native game runs with tools/fake_display.cpp keeping SDL's own flip; the
# Windows one is vorkkeli-counted.exe from scripts/build-windows.sh, or from
# the Windows build folder given (another commit's, to compare). BUSY=N runs
# N busy loops beside the games, as other work on the machine.
# usage: [BUSY=N] tools/measure-wine.sh [SECONDS] [WINDOWS_BUILD]   (default 10, build-windows)
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/tests/e2e/lib.sh" # a scratch folder, a private X server, fields
seconds=${1:-10}
windows=$(realpath "${2:-$top/build-windows}")
"$top/scripts/setup.sh" measure
"$top/scripts/build.sh" >/dev/null
[ -n "${2:-}" ] || "$top/scripts/build-windows.sh" >/dev/null
for ((i = 0; i < ${BUSY:-0}; i++)); do sh -c 'while :; do :; done' & pids+=($!); done
WINDOWS=$windows && source "$top/tests/e2e/wine.sh" # the prefix, the zip in game_dir, window
cp "$windows/build/vorkkeli-counted.exe" "$game_dir/"
start_x 1280 720
printf '%-32s %8s %10s %6s\n' game steps/s pictures/s CPU

(cd "$top/assets" && env LD_PRELOAD="$top/build/libfake_display.so" FAKE_DISPLAY_STEPS=$((seconds * 60 + 60)) \
  "$top/build/vorkkeli") 2>"$work/native"
printf '%-32s %8s %10s %6s\n' "native (Linux)" "$(field steps "$work/native")" "$(field flips "$work/native")" \
  "$(field cpu "$work/native")%"

for renderer in default opengl software; do
  chosen=(env -u SDL_RENDER_DRIVER) && [ "$renderer" = default ] || chosen=(env SDL_RENDER_DRIVER="$renderer")
  "${chosen[@]}" SDL_STDIO_REDIRECT=0 wine "$game_dir/vorkkeli-counted.exe" 2>"$work/wine" &
  game=$!
  wait_for 60 window
  sleep $((seconds + 1))
  window && xdotool key Escape
  wait "$game" || true
  printf '%-32s %8s %10s %6s\n' "Windows under Wine, $renderer" "$(field steps "$work/wine")" \
    "$(field flips "$work/wine")" "$(field cpu "$work/wine")%"
done
