# vorkkeli-replay: exact state lines for a short script, its errors, and a shot.
source "$(dirname "$0")/lib.sh"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
fresh_assets
cd "$run"

# Right zone; left button; F5 with Down and the right button (slide ignores
# both, and ends at once); F2 twice (the piston starts); F1 back.
script='# comment

500 0 -
500 1 273
100 4 274,286
320 0 283
320 0 283,285
320 0 282'
expected='1 view=1 drive=1 speed=0.980000019 steer=0.5 heading=0.49000001 yaw=0.5 travel=0.49000001 sprite=0.49000001 pos=320.008392,239.020035 vel=0.00838096905,0.979964197 piston=0,0
2 view=1 drive=1 speed=1.15840006 steer=0.5 heading=1.01920009 yaw=0.5 travel=1.01920009 sprite=1.01920009 pos=320.028992,237.861816 vel=0.0206049941,1.15821683 piston=0,0
3 view=1 drive=1 speed=1.13523209 steer=-0.5 heading=1.58681607 yaw=0.470000029 travel=1.01920009 sprite=1.58681607 pos=320.049591,236.703598 vel=0.0206049941,1.15821683 piston=0,0
4 view=2 drive=1 speed=1.11252749 steer=0 heading=1.58681607 yaw=0 travel=1.58681607 sprite=1.58681607 pos=320.080414,235.591492 vel=0.0308076944,1.11210084 piston=0.0250000004,0
5 view=2 drive=1 speed=1.09027696 steer=0 heading=1.58681607 yaw=0 travel=1.58681607 sprite=1.58681607 pos=320.110596,234.501633 vel=0.0301915407,1.08985889 piston=0.0500000007,0.0249973964
6 view=1 drive=1 speed=1.06847143 steer=0 heading=1.58681607 yaw=0 travel=1.58681607 sprite=1.58681607 pos=320.140198,233.433578 vel=0.0295877103,1.06806171 piston=0.0500000007,0.0249973964'
actual=$(printf '%s\n' "$script" | "$VORKKELI_REPLAY" --shot 2:"$work/two.png" 2>"$work/stderr")
expect_eq "state lines of a short script" "$expected" "$actual"
expect_eq "nothing on stderr" "" "$(cat "$work/stderr")"
expect_eq "the shot is a 640 x 480 PNG" "PNG 640x480" "$(identify -format '%m %wx%h' "$work/two.png")"

status=0
actual=$(printf '500 0 -\n\n500 0 1000\n500 0 -\n' | "$VORKKELI_REPLAY" 2>"$work/stderr") || status=$?
expect_eq "a key code outside the table: status 2" 2 "$status"
expect_eq "frames before it ran, none after" 1 "$(printf '%s\n' "$actual" | wc -l)"
expect_eq "the error names the line and its text" \
  'vorkkeli-replay: line 3 is not "MOUSE_X BUTTONS KEYS": 500 0 1000' "$(cat "$work/stderr")"
for bad in '500 0' '500 x -' '500 0 - 7' '500 0 273,' '500 0 ,273'; do
  status=0
  printf '%s\n' "$bad" | "$VORKKELI_REPLAY" >/dev/null 2>&1 || status=$?
  expect_eq "malformed [$bad]: status 2" 2 "$status"
done

for args in "--shot" "--shot 0:x.png" "--shot 3" "--help"; do
  status=0
  # shellcheck disable=SC2086
  "$VORKKELI_REPLAY" $args </dev/null >/dev/null 2>"$work/stderr" || status=$?
  expect_eq "bad arguments [$args]: status 2 and usage" "2 usage:" "$status $(head -c 6 "$work/stderr")"
done

finish
