# A key rebound on the Controls screen walks the player: "Walk forward" is
# set to I, saved in settings.ini, and in a demo map holding I walks while W
# (no longer bound) does not.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
make_fixture_map
open_menu
click_until_change $WIDGET_X "$(row_y 4)" menu settings 240 100 160 100 || fail "'Settings' did not open"
# The Controls screen fills the rows below the Settings screen's last one.
click_until_change $WIDGET_X "$(row_y 9)" settings controls 0 410 400 150 0.02 || fail "'Controls' did not open"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/controls.png" "$VASK_SHOTS/controls.png"
# "Walk forward" waits for a key: "press a key" appears beside it.
click_until_change $WIDGET_X "$(row_y 0)" controls waiting 410 $(( $(row_y 0) - 12 )) 380 24 ||
    fail "clicking 'Walk forward' did not ask for a key"
xdotool key i
wait_for_change bound waiting 410 $(( $(row_y 0) - 12 )) 380 24 0.02 100 || fail "the key was not taken"
click_at $WIDGET_X "$(row_y 15)"  # "Back"
poll 100 grep -q "^KEY_FORWARD=i$" "$GAME/settings.ini" || fail "settings.ini lacks KEY_FORWARD=i: $(cat "$GAME/settings.ini" 2>/dev/null)"
grep -q "^KEY_BACK=s$" "$GAME/settings.ini" || fail "another action changed: $(cat "$GAME/settings.ini")"

# Back on Settings, Back again, then the map from Demo Maps.
sleep 0.5
click_at $WIDGET_X "$(row_y 10)"
wait_for_menu menu2 || fail "no main menu after the settings"
click_until_change $WIDGET_X "$(row_y 0)" menu2 load 240 163 160 16 || fail "'Demo Maps' did not open"
click_until $WIDGET_X "$(row_y 0)" loading field.map || fail "Maps/field.map was not launched"
wait_for_change start load 0 300 800 300 0.3 100 || fail "the game view did not appear"
wait_still rest || fail "the view never came to rest"

xdotool keydown w
sleep 1.5
xdotool keyup w
shot after_w
d=$(region_diff rest after_w 100 100 600 400)
awk -v d="$d" 'BEGIN { exit !(d < 0.01) }' || fail "W still walks ($d)"

xdotool keydown i
walked=0
wait_for_change after_i rest 100 100 600 400 0.05 100 && walked=1
xdotool keyup i
[ "$walked" = 1 ] || fail "holding I did not walk ($(region_diff rest after_i 100 100 600 400))"
leave_to_menu end
quit_with_escape
echo PASS
