# A map's conversation stops play on its frame, shows one line per key press and
# gives the view back after the last one.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
launch_fixture_map dialog
# The dialog's dark text box covers the middle of the bright field.
# The field below stays bright, unlike the black menu shown before the game.
is_dark() {
    shot "$1"
    awk -v box="$(region_brightness "$1" 250 140 180 80)" -v field="$(region_brightness "$1" 0 470 800 60)" \
        'BEGIN { exit !(box < 0.22 && field > 0.15) }'
}
poll 100 is_dark line1 || fail "no dialog"
xdotool key space
wait_for_change line2 line1 240 120 400 80 0.01 50 || fail "the second line did not follow the first key"
is_dark line2 || fail "the dialog closed after one key of two"
xdotool key space
for _ in $(seq 1 50); do is_dark after || break; sleep 0.1; done
is_dark after && fail "the dialog stayed after its last line"
kill -0 "$GAME_PID" || fail "the game ended"
echo PASS
