#!/usr/bin/env bash
# Measures the game's page in headless Chromium (tools/measure_page.py): over
# SECONDS, steps, pictures and animation frames a second, the frames that
# painted no new picture and the most in a row, the pictures drawn and never
# seen, and key press and pointer move to the picture that first shows each
# (median and 95th percentile, ms). ZIP is the page to measure (default: the
# one scripts/build-web.sh builds); with --beside-build the game is built
# again and again in a scratch folder meanwhile, as a machine busy with a
# build.
# usage: tools/measure-page.sh [--beside-build] [SECONDS] [ZIP]   (default 10 s)
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/tests/e2e/lib.sh" # a scratch folder, processes ended at exit
beside=
[ "${1:-}" != --beside-build ] || { beside=yes; shift; }
seconds=${1:-10}
"$top/scripts/setup.sh" web
if [ -n "${2:-}" ]; then
  zip=$(realpath "$2")
else
  "$top/scripts/build-web.sh" >/dev/null
  zips=("$top"/build-web/vorkkeli-*-web.zip)
  zip=${zips[0]}
fi
mkdir -p "$work/site" "$work/seen"
unzip -q "$zip" -d "$work/site"
if [ -n "$beside" ]; then # in a process group of its own, ended whole at exit
  cmake -S "$top" -B "$work/busy" >"$work/busy.log" 2>&1
  setsid sh -c 'while cmake --build "$1" --clean-first -j2 >>"$1.log" 2>&1; do :; done' - "$work/busy" &
  busy=$!
  trap 'kill -- -$busy 2>/dev/null || true; kill ${pids[@]+"${pids[@]}"} 2>/dev/null || true; rm -rf "$work"' EXIT
fi
serve "$work/site"
python3 "$top/tools/measure_page.py" "$origin/index.html?record" "$work/seen" "$seconds"
