# A right click with the remove tool on the player's own ship leaves the ship
# standing, says why on screen, and the game goes on (it used to be lost).
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
(cd "$WORK" && "$BUILD_DIR/tools/testmap/vask_testmap" "$GAME/Maps/field.map" shipahead >/dev/null 2>&1) ||
    fail "no fixture map"
launch_only_map field.map
wait_for_change start menu 0 300 800 300 0.3 100 || fail "the game view did not appear"
sleep 1
shot before

# The notice shows above the tool bar, over the lower middle of the view.
xdotool click 3
wait_for_change told before 100 440 600 70 0.01 50 || fail "no notice appeared after the click on the ship"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/told.png" "$VASK_SHOTS/ship_cell_notice.png"

# A lost ship would end the game within a second: after three the pause
# screen, not the end screen, answers Escape.
sleep 3
ok_bar ended && fail "the game was lost"
xdotool key Escape
wait_rows 11 || fail "Escape did not pause a running game"
kill -0 "$GAME_PID" || fail "the game ended"
[ -n "$(game_errors)" ] && fail "errors were reported: $(game_errors | head -3)"
echo PASS
