# Escape on the main menu ends the program cleanly.
source "$(dirname "$0")/lib.sh"
make_run_folder
start_game
wait_for_window
point_at 400 300
# Escape until the menu loop takes it (the first key may beat the loop).
poll 200 bash -c "xdotool key Escape; ! kill -0 $GAME_PID 2>/dev/null" || fail "Escape did not end the game"
wait_for_exit
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE"
[ "$(tail -n 1 "$WORK/out.txt")" = "Exited cleanly" ] || fail "last line is not 'Exited cleanly'"
echo PASS
