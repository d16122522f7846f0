# SIGTERM (a shutdown, or `kill`) ends a game in progress at once instead of
# being taken for a window close request that opens the pause menu.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
launch_fixture_map
sleep 2
kill -TERM "$GAME_PID"
poll 30 bash -c "! kill -0 $GAME_PID 2>/dev/null" || fail "the game was still running 3 s after SIGTERM"
GAME_PID=""
echo PASS
