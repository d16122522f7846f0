# The shipped guided map is listed under "Demo Maps", opens, and Commander
# Varga's opening lines appear over the meadow with her portrait; two key
# presses hand the view back and the player can walk.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
[ -f "$RUN_DIR/Maps/first_steps.map" ] || fail "the run folder has no Maps/first_steps.map"
cp "$RUN_DIR/Maps/first_steps.map" "$GAME/Maps/"
launch_only_map first_steps.map

# The text box (dark, with white letters) is darker than the sky it covers; the
# meadow below stays bright; the portrait beside the box is drawn.
poll 100 talking line1 0.33 || fail "no opening dialog"
portrait=$(convert "$WORK/line1.png" -crop 150x190+62+130 +repage -format "%[fx:standard_deviation]" info:)
awk -v s="$portrait" 'BEGIN { exit !(s > 0.04) }' || fail "no portrait beside the text (spread $portrait)"
xdotool key space
wait_for_change line2 line1 240 120 400 80 0.01 50 || fail "Okafor's line did not follow the first key"
talking line2 0.33 || fail "the dialog closed after one key of two"
xdotool key space
talk_ends open 0.33 || fail "the dialog stayed after its last line"

sleep 0.3
shot before
xdotool keydown w sleep 1 keyup w
sleep 0.3
shot after
moved=$(region_diff before after 100 100 600 400)
awk -v d="$moved" 'BEGIN { exit !(d > 0.05) }' || fail "walking did not change the view ($moved)"
kill -0 "$GAME_PID" || fail "the game ended"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/line1.png" "$VASK_SHOTS/guided_dialog.png"
echo PASS
