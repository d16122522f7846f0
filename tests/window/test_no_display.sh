# With no display to reach, the game says so and ends with exit code 1 instead
# of running unseen in an off-screen window nobody can close.
source "$(dirname "$0")/lib.sh"
make_run_folder
(cd "$GAME" && exec env DISPLAY=:7999 ./vask >"$WORK/out.txt" 2>"$WORK/err.txt") &
GAME_PID=$!
wait_for_exit 100
[ "$EXIT_CODE" -eq 1 ] || fail "exit code $EXIT_CODE"
grep -q "^Unable to start video: " "$WORK/out.txt" || fail "no 'Unable to start video' line"
echo PASS
