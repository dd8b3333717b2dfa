# vorkkeli-bench runs through and closes with its one summary line.
source "$(dirname "$0")/lib.sh"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
fresh_assets
status=0
(cd "$run" && "$VORKKELI_BENCH" >"$work/stdout" 2>"$work/stderr") || status=$?
expect_eq "the benchmark ends with status 0" 0 "$status"
last=$(tail -n 1 "$work/stdout")
echo "$last"
number='[0-9]+(\.[0-9]+)?'
[[ "$last" =~ ^driving=$number\ engine=$number\ memcpy=$number\ ratio=$number$ ]] &&
  pass "the last line's form" || fail "last line: $last"
finish
