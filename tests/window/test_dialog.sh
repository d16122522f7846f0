# A map's conversation stops play on its frame, shows one line per key press and
# gives the view back after the last one.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
launch_fixture_map dialog
poll 100 talking line1 || fail "no dialog"
xdotool key space
wait_for_change line2 line1 240 120 400 80 0.01 50 || fail "the second line did not follow the first key"
talking line2 || fail "the dialog closed after one key of two"
xdotool key space
talk_ends after || fail "the dialog stayed after its last line"
kill -0 "$GAME_PID" || fail "the game ended"
echo PASS
