# With the extra modes switched on, "Skirmish" in the main menu leads to the
# skirmish options; their "Skirmish" plays a generated world and "Map Editor"
# opens one in the editor, where G and "Save" write Maps/test.map, which the
# map tool then describes.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
printf 'EXTRA_MODES=true\n' >"$GAME/settings.ini"
open_menu

builds() { grep -c "^done building world!$" "$WORK/out.txt"; }
built() { [ "$(builds)" -ge "$1" ]; }
# Panels are recognised by their button bars, whose colour does not depend on
# the world behind them: a generated world may keep moving (falling player,
# animated vask) while a panel opens.

# Main menu rows: Demo Maps, Campaign, Skirmish, Map Editor, Settings, Quit.
click_until_change $WIDGET_X "$(row_y 2)" menu options 240 100 160 160 ||
    fail "'Skirmish' did not open the skirmish options"

# Options rows: five boxes, then Skirmish, Map Editor, Back.
click_until $WIDGET_X "$(row_y 5)" built 1 || fail "no world was generated"
grep -q "^started building world!$" "$WORK/out.txt" || fail "no 'started building world!'"
grep -q "^populating$" "$WORK/out.txt" || fail "no 'populating'"
grep -q "^world built$" "$WORK/out.txt" || fail "no 'world built'"
point_at 400 300
wait_for_change skirmish options 0 300 800 300 0.3 150 || fail "the skirmish world was not drawn"
kill -0 "$GAME_PID" || fail "the game ended during the skirmish"

# Leaving the game returns to the options.
leave_to_menu options2

# "Map Editor" on the options: a generated world in the editor.
click_until $WIDGET_X "$(row_y 6)" built 2 || fail "the editor got no generated world"
point_at 400 300
wait_for_change editor options2 0 300 800 300 0.3 150 || fail "the editor's world was not drawn"
xdotool key g
wait_rows 01 || fail "G opened no 'Save' panel"
# The "Save as" box holds "test"; "Save" is the row below it.
click_until $WIDGET_X "$(row_y 1)" test -s "$GAME/Maps/test.map" || fail "'Save' wrote no Maps/test.map"

wait_rows 00 || fail "the 'Save' panel stayed open"
leave_to_menu options3
quit_with_escape

info=$(cd "$GAME" && "$RUN_DIR/vaskmap" info Maps/test.map) || fail "vaskmap info failed on the saved map: $info"
echo "$info" | grep -q '"size":\[100,100,100\],"mapType":1,' || fail "saved map: $info"
echo "$info" | grep -q '{"type":2,' || fail "the saved map has no ship"
echo "$info" | grep -q '{"type":1,' || fail "the saved map has no mind"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/skirmish.png" "$WORK/editor.png" "$VASK_SHOTS/"
echo PASS
