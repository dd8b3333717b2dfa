# Bad input, one table (tests/golden/bad_input.txt): each case makes an asset
# bad or sets the environment, runs the replay (through every mode and both
# views, F3 in each) or the game, and checks the exit status and standard
# error byte for byte.
source "$(dirname "$0")/lib.sh"
script='500 1 273
320 0 284
100 0 286
500 0 287
320 4 283,284
320 0 282,285'
null_chunk="Virhe : Tried to play a NULL chunk "
export SDL_VIDEODRIVER=dummy

while IFS='|' read -r program environment spoil status expected; do
  rm -rf "$work/run" && cp -r "$ASSETS" "$work/run"
  (cd "$work/run" && eval "$spoil")
  program=$(echo $program) environment=$(echo $environment) spoil=$(echo $spoil) expected=${expected# }
  [ "$program" == game ] && binary=$VORKKELI || binary=$VORKKELI_REPLAY
  actual=0
  # shellcheck disable=SC2086 # the environment column is a list of env(1) arguments
  (cd "$work/run" && printf '%s\n' "$script" | env $environment "$binary" >"$work/stdout" 2>"$work/stderr") ||
    actual=$?
  what="$program ${environment:+$environment }${spoil:+($spoil)}"
  check "$what: status" "${status// /}" "$actual"
  check "$what: stderr" "${expected//\$null_chunk/$null_chunk}" "$(visible "$work/stderr")"
  [ "$program" == game ] || check "$what: every frame ran" 6 "$(wc -l <"$work/stdout")"
done < <(grep -v '^#' "$TESTS/golden/bad_input.txt")
finish
