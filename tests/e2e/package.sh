# The Debian package: built with cpack, its dependencies worked out from the
# executable, its desktop entry valid, and the unpacked game started from an
# unrelated folder finding all its files.
source "$(dirname "$0")/lib.sh"
cpack -G DEB -B "$work/package" --config "$BUILD/CPackConfig.cmake" >/dev/null
deb=$(echo "$work"/package/vorkkeli_*.deb)
check "the package's dependencies, worked out from the executable" yes \
  "$(dpkg-deb -f "$deb" Depends | grep -q 'libsdl-mixer1.2 (>= ' && echo yes)"
dpkg-deb -x "$deb" "$work/unpacked"
check "the desktop entry is valid" "" "$(desktop-file-validate "$work"/unpacked/usr/share/applications/*.desktop 2>&1)"

# Started with the disk audio driver: once its output grows, SDL is up and
# the close request (SIGTERM) ends the game; a missing file would have printed
# a line.
(cd "$work" && exec env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" \
  "$work/unpacked/usr/bin/vorkkeli") >"$work/stdout" 2>"$work/stderr" &
game=$! && pids+=("$game")
until [ -s "$work/audio.raw" ] || ! kill -0 "$game" 2>/dev/null; do sleep 0.05; done
kill -TERM "$game"
status=0 && wait "$game" || status=$?
check "the unpacked game ends on the close request with status 0" 0 "$status"
check "the unpacked game finds its files: on stderr only the disk driver's notice" \
  "CRITICAL: You are using the SDL disk i/o audio driver!\nCRITICAL:  Writing to file [$work/audio.raw].\n" \
  "$(visible "$work/stderr")"
finish
