# The campaign screen is reached from the menu with the extra modes on; playing
# a mission whose map is missing counts as a lost game: its time at the chosen
# difficulty drops to 0 and campaign.dat is saved at once.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
printf 'EXTRA_MODES=true\n' >"$GAME/settings.ini"

# Mission 0 is "nothing.map" (absent), won on "normal" in 500 ticks; the other
# 25 records are empty.
record0() { # time at normal, as four escaped bytes
    printf '\x0b\x00\x00\x00nothing.map\x00\x00\x00\x00\x00\x00\x00\x00%b\x00\x00\x00\x00\x00\x00\x00\x00' "$1"
}
{ record0 '\xf4\x01\x00\x00'; head -c $((25 * 24)) /dev/zero; } >"$GAME/campaign.dat"
{ record0 '\x00\x00\x00\x00'; head -c $((25 * 24)) /dev/zero; } >"$WORK/expected.dat"

open_menu
click_until_change $WIDGET_X "$(row_y 1)" menu campaign 0 60 400 300 ||
    fail "'Campaign' did not open the campaign screen"
# The first row's play button sits at x 30..38 of the panel space.
saved() { cmp -s "$GAME/campaign.dat" "$WORK/expected.dat"; }
click_until 272 "$(row_y 0)" saved || fail "campaign.dat was not saved with the lost game: $(od -A d -t x1 "$GAME/campaign.dat" | head -3)"
loading nothing.map || fail "the mission was not launched"
kill -0 "$GAME_PID" || fail "the game ended"
quit_with_escape
echo PASS
