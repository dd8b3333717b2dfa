# The Debian package as a distribution would take it: laid out as Debian lays
# out games, depending on the maintained SDL 1.2, clean for lintian, listed by
# software centres; its launcher answers, and the unpacked game finds its files.
source "$(dirname "$0")/lib.sh"
deb=$("$TESTS/../scripts/package.sh" "$BUILD-deb")
dpkg-deb -x "$deb" "$work/unpacked"
u=$work/unpacked/usr
check "Debian's games layout" "yes yes yes" "$([ -x "$u/games/vorkkeli" ] && echo yes) \
$([ -x "$u/lib/games/vorkkeli/vorkkeli" ] && echo yes) $([ -f "$u/share/games/vorkkeli/volvo.png" ] && echo yes)"
check "the menu entry starts the launcher by its path" "Exec=/usr/games/vorkkeli" \
  "$(grep '^Exec=' "$u"/share/applications/*.desktop)"
depends=$(dpkg-deb -f "$deb" Depends)
check "SDL 1.2 is the maintained one, by its own package name" yes \
  "$([[ $depends == 'libsdl1.2-compat-shim | libsdl1.2debian (>= 1.2.64), '* ]] && echo yes)"
: >"$work/status"
check "on an empty system apt installs the maintained SDL 1.2, not the old one" \
  "libsdl1.2-compat libsdl1.2-compat-shim" "$(apt-get install -s -o Dir::State::status="$work/status" "$deb" 2>&1 |
    sed -n 's/^Inst \(libsdl1.2[^ ]*\) .*/\1/p' | paste -sd ' ')"
check "lintian --pedantic: no error, no warning" "" \
  "$(lintian --pedantic "$deb" 2>/dev/null | grep -E '^[EW]:' || true)"
check "the desktop entry is valid" "" "$(desktop-file-validate "$u"/share/applications/*.desktop 2>&1)"
check "the AppStream metainfo is valid" 0 \
  "$(appstreamcli validate --no-net "$u"/share/metainfo/*.xml >/dev/null 2>&1; echo $?)"

check "--version" "vorkkeli 0.0.1" "$("$u/games/vorkkeli" --version)"
check "--help names the data folder and the manual" "yes yes" "$("$u/games/vorkkeli" --help |
  grep -c -e "Pictures and sound: $u/share/games/vorkkeli$" -e 'man 6 vorkkeli (DIAGNOSTICS)' | sed 's/2/yes yes/')"
check "the README's Controls table is desktop/controls.txt's" \
  "$(grep -v '^#' "$TESTS/../desktop/controls.txt" | sed 's/^/| /; s/$/ |/')" \
  "$(sed -n '/^| Input | What it does |$/,/^$/p' "$TESTS/../README.md" | sed '1,2d;/^$/d')"
status=0 && "$u/games/vorkkeli" --fast 2>"$work/stderr" || status=$?
check "an unknown option: status 2 and one line" "2 1" "$status $(wc -l <"$work/stderr")"

# Started with the disk audio driver: once its output grows, SDL is up and
# the close request (SIGTERM) ends the game; a missing file would have printed
# a line.
(cd "$work" && exec "${orphan_proof[@]}" env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" \
  "$u/games/vorkkeli") >"$work/stdout" 2>"$work/stderr" &
game=$! && pids+=("$game")
until [ -s "$work/audio.raw" ] || ! kill -0 "$game" 2>/dev/null; do sleep 0.05; done
kill -TERM "$game"
status=0 && wait "$game" || status=$?
check "the unpacked game ends on the close request with status 0" 0 "$status"
check "the unpacked game finds its files: on stderr only the disk driver's notice" \
  "CRITICAL: You are using the SDL disk i/o audio driver!\nCRITICAL:  Writing to file [$work/audio.raw].\n" \
  "$(visible "$work/stderr")"
finish
