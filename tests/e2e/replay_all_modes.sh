# A few thousand frames through every view and drive mode, with the jingle:
# under the sanitizer build this is where a bad read or a leak would show.
source "$(dirname "$0")/lib.sh"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
fresh_assets
status=0
(cd "$run" && "$VORKKELI_REPLAY" <"$TESTS/data/all-modes.txt" >"$work/stdout" 2>"$work/stderr") || status=$?
expect_eq "the run ends with status 0" 0 "$status"
expect_eq "every frame ran" 3000 "$(wc -l <"$work/stdout")"
expect_eq "nothing on stderr" "" "$(cat "$work/stderr")"
finish
