# Bad input, one table (tests/golden/bad_input.txt): each case makes an asset
# bad or sets the environment, runs the replay (through every mode and both
# views, F3 in each) or the game, and checks the exit status and standard
# error byte for byte. With WINDOWS set (the folder of the Windows build),
# the same under Wine, the message read from stderr.txt beside the program;
# the cases that need an X or Wayland display do not apply there. With
# WEB_REPLAY set (the replay built for the browser's engine, run by node),
# the replay's cases with it. F3 is held
# over frames 2 and 3 and again in 5: every frame it is held starts the
# jingle anew, so a missing jingle is reported three times.
source "$(dirname "$0")/lib.sh"
[ -z "${WINDOWS:-}" ] || { source "$(dirname "$0")/wine.sh" && ASSETS=$game_dir; }
script='500 1 273
320 0 284
100 0 284,286
500 0 287
320 4 283,284
320 0 282,285'
null_chunk='Virhe : $error '
# The expected text as a pattern: our own words literally, $error any text
# without a line feed (shown as \n), so a line feed of ours cannot hide in it.
shopt -s extglob
pattern() {
  local text=$1 special
  for special in '\' '*' '?' '['; do text=${text//"$special"/"\\$special"}; done
  printf '%s' "${text//'$error'/!(*\\\\n*)}"
}
export SDL_VIDEODRIVER=dummy

while IFS='|' read -r program environment spoil status expected; do
  program=$(echo $program) environment=$(echo $environment) spoil=$(echo $spoil) expected=${expected# }
  [ "$program" == game ] && binary=$VORKKELI || binary=$VORKKELI_REPLAY
  if [ -n "${WEB_REPLAY:-}" ]; then # the page is no program to run here
    [ "$program" == game ] && continue
    binary=$WEB_REPLAY
  fi
  runner=() stdout=$work/stdout stderr=$work/stderr
  if [ -n "${WINDOWS:-}" ]; then # the game's folder holds its files, and its output
    [[ $environment == *DISPLAY* || $environment == *-u\ SDL_VIDEODRIVER* ]] && continue
    [ "$program" == game ] && binary=./vorkkeli.exe || binary=./vorkkeli-replay.exe
    runner=(wine) stdout=$work/run/stdout.txt stderr=$work/run/stderr.txt
  fi
  rm -rf "$work/run" && cp -r "$ASSETS" "$work/run"
  (cd "$work/run" && eval "$spoil")
  actual=0
  eval "arguments=($environment)" # env(1) arguments, in the shell's quoting
  (cd "$work/run" && exec "${orphan_proof[@]}" env "${arguments[@]}" "${runner[@]}" "$binary" <<<"$script" \
    >"$work/stdout" 2>"$work/stderr") || actual=$?
  what="$program ${environment:+$environment }${spoil:+($spoil)}"
  check "$what: status" "${status// /}" "$actual"
  touch "$stdout" "$stderr" # Windows deletes them when empty
  expected=${expected//\$null_chunk/$null_chunk} actual=$(visible "$stderr")
  # shellcheck disable=SC2053 # the right side is a pattern on purpose
  [[ $actual == $(pattern "$expected") ]] && actual=$expected
  check "$what: stderr" "$expected" "$actual"
  [ "$program" == game ] || check "$what: every frame ran" 6 "$(wc -l <"$stdout")"
done < <(grep -v '^#' "$TESTS/golden/bad_input.txt")
finish
