# A player who turns shadows off after a game must still see a sunlit world:
# the next game is as bright as the first, not sunk in shadow everywhere.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
launch_fixture_map
sleep 1
shot first

# Quit the game and come back through the menus: Load Map, Back, Settings.
pause_game first
click_at $WIDGET_X "$(row_y 0)"  # "Quit"
wait_for_change failure paused 180 66 40 34 0.02 100 || fail "no 'Failure' screen"
click_at $WIDGET_X "$(row_y 0)"  # "Back to Menu": the map list again
wait_for_change list failure 500 300 300 300 0.3 100 || fail "no map list after the game"
click_until_change $WIDGET_X "$(row_y 1)" list menu2 240 163 160 16 || fail "'Back' did not leave the map list"
click_until_change $WIDGET_X "$(row_y 1)" menu2 settings 240 224 160 14 || fail "'Settings' did not open"
shot settings_before
click_until_change $WIDGET_X "$(row_y 6)" settings_before settings_off 240 281 160 18 ||
    fail "the 'Shadows' toggle did not change"
click_at $WIDGET_X "$(row_y 7)"  # "Back" stores the settings
poll 100 grep -q "^SHADOWS=0$" "$GAME/settings.ini" || fail "shadows were not turned off: $(cat "$GAME/settings.ini")"
sleep 0.5
shot menu3

# The same map again, now without shadows.
click_until_change $WIDGET_X "$(row_y 0)" menu3 list2 240 163 160 16 || fail "'Demo Maps' did not open"
click_at $WIDGET_X "$(row_y 0)"
wait_for_change second list2 0 300 800 300 0.3 100 || fail "the second game did not appear"
sleep 1
shot second

# The ground and the striped wall in front of the player, lit by the sun.
b1=$(region_brightness first 100 200 600 350)
b2=$(region_brightness second 100 200 600 350)
echo "brightness with shadows $b1, without $b2"
awk -v a="$b1" -v b="$b2" 'BEGIN { exit !(b > 0.85 * a) }' || fail "the world went dark without shadows ($b1 -> $b2)"

[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/first.png" "$WORK/second.png" "$VASK_SHOTS/"
echo PASS
