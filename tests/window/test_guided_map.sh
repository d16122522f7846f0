# The shipped guided map is listed under "Demo Maps", opens, and Commander
# Varga's opening lines appear over the meadow with her portrait; two key
# presses hand the view back and the player can walk.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
[ -f "$RUN_DIR/Maps/first_steps.map" ] || fail "the run folder has no Maps/first_steps.map"
cp "$RUN_DIR/Maps/first_steps.map" "$GAME/Maps/"
start_game
wait_for_window
point_at 400 300
wait_for_menu menu || fail "the main menu was not drawn"
click_until_change $WIDGET_X "$(row_y 0)" menu list 240 163 160 16 || fail "'Demo Maps' did not open the map list"
for _ in $(seq 1 20); do
    click_at $WIDGET_X "$(row_y 0)"
    poll 10 grep -q "^Loading: Maps/first_steps.map$" "$WORK/out.txt" && break
done
grep -q "^Loading: Maps/first_steps.map$" "$WORK/out.txt" || fail "the guided map was not launched"
point_at 400 300

# The text box (dark, with white letters) is darker than the sky it covers; the
# meadow below stays bright; the portrait beside the box is drawn.
in_dialog() {
    shot "$1"
    awk -v box="$(region_brightness "$1" 250 140 180 80)" -v field="$(region_brightness "$1" 0 470 800 60)" \
        'BEGIN { exit !(box < 0.33 && field > 0.15) }'
}
poll 100 in_dialog line1 || fail "no opening dialog"
portrait=$(convert "$WORK/line1.png" -crop 150x190+62+130 +repage -format "%[fx:standard_deviation]" info:)
awk -v s="$portrait" 'BEGIN { exit !(s > 0.04) }' || fail "no portrait beside the text (spread $portrait)"
xdotool key space
wait_for_change line2 line1 240 120 400 80 0.01 50 || fail "Okafor's line did not follow the first key"
in_dialog line2 || fail "the dialog closed after one key of two"
xdotool key space
for _ in $(seq 1 50); do in_dialog open || break; sleep 0.1; done
in_dialog open && fail "the dialog stayed after its last line"

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
