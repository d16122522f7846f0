# A demo map is played: walking changes the view, Escape pauses, "Quit" shows
# the "Failure" screen, "Back to Menu" returns to the menu and Escape exits.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
launch_fixture_map
sleep 0.5
shot before
# Walk while W is held, however slowly a loaded machine draws: up to 10 s.
xdotool keydown w
walked=0
wait_for_change after before 100 100 600 400 0.05 100 && walked=1
xdotool keyup w
[ "$walked" = 1 ] || fail "walking did not change the view ($(region_diff before after 100 100 600 400))"
sleep 0.3
shot after
cp "$WORK/before.png" "$WORK/play.png"

pause_game after
click_at $WIDGET_X "$(row_y 0)"
# "Failure" is one letter longer than "Paused": the title grows to the right.
wait_for_change failure paused 180 66 40 34 0.02 100 || fail "no 'Failure' screen after 'Quit'"
kill -0 "$GAME_PID" || fail "the game ended on the end screen"
click_at $WIDGET_X "$(row_y 0)"
wait_for_change menu2 failure 500 300 300 300 0.3 100 || fail "'Back to Menu' did not return to the menu"
quit_with_escape
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/menu.png" "$WORK/play.png" "$WORK/paused.png" "$WORK/failure.png" "$VASK_SHOTS/"
echo PASS
