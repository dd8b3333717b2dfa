# The real game's pictures in a private X server: the track as composed from
# the asset files, F2's piston on black, and F1 back to the track.
source "$(dirname "$0")/lib.sh"
start_xvfb
fresh_assets
compose_track "$work/track.png"

open_game
xdotool mousemove --sync 320 240
sleep 0.5
screenshot "$work/driving.png"
# Away from the marks (top left) and the car (centre column, rows 150-280).
expect_eq "tiles right of the marks match the assets" 0 \
  "$(differing_pixels "$work/driving.png" "$work/track.png" 520x150+120+0)"
expect_eq "tiles below the car match the assets" 0 \
  "$(differing_pixels "$work/driving.png" "$work/track.png" 640x200+0+280)"

hold_keys "$window" 0.3 F2
sleep 0.3
screenshot "$work/engine.png"
expect_eq "no magenta pixel in the engine view" 0 "$(count_colour "$work/engine.png" '#FF00FF')"
piston_pixels=$(( 640 * 480 - $(count_colour "$work/engine.png" '#000000') ))
[ "$piston_pixels" -gt 3000 ] && pass "the piston shows ($piston_pixels pixels)" || fail "no piston ($piston_pixels)"
expect_eq "black left of the piston's column" $((269 * 480)) \
  "$(count_colour "$work/engine.png" '#000000' 269x480+0+0)"
expect_eq "black right of the piston's column" $((269 * 480)) \
  "$(count_colour "$work/engine.png" '#000000' 269x480+371+0)"

hold_keys "$window" 0.3 F1
sleep 0.3
screenshot "$work/back.png"
expect_eq "F1 brings the track back" 0 \
  "$(differing_pixels "$work/back.png" "$work/track.png" 640x200+0+280)"

quit_game
expect_eq "the run ends with status 0" 0 "$status"
finish
