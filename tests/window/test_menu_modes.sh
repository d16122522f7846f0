# A first start offers every mode on the main menu; "Extra Modes" off on the
# Settings screen gives the plain three-button menu at once. Escape on a
# sub-screen goes back to the main menu; on the main menu it quits.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
[ ! -e "$GAME/settings.ini" ] || fail "the scratch folder already has settings"
open_menu
# Demo Maps, Campaign, Skirmish, Map Editor, Settings, Quit.
wait_rows 111111 || fail "the first menu does not show six buttons"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/rows.png" "$VASK_SHOTS/menu-modes.png"

# Escape on the campaign list returns to the menu, the game goes on.
click_until_change $WIDGET_X "$(row_y 1)" menu campaign 0 60 400 300 || fail "'Campaign' did not open"
xdotool key Escape
wait_rows 111111 || fail "Escape on the campaign list did not return to the main menu"
kill -0 "$GAME_PID" || fail "Escape on a sub-screen ended the game"

shot menu_again
click_until_change $WIDGET_X "$(row_y 4)" menu_again settings 240 100 160 100 || fail "'Settings' did not open"
click_until_change $WIDGET_X "$(row_y 8)" settings modes_off 240 $(( $(row_y 8) - 8 )) 160 16 ||
    fail "the 'Extra Modes' toggle did not change"
click_at $WIDGET_X "$(row_y 10)"  # "Back"
wait_rows 111000 || fail "with the modes off the menu is not Demo Maps, Settings, Quit"
grep -q "^EXTRA_MODES=false$" "$GAME/settings.ini" || fail "settings.ini lacks EXTRA_MODES=false: $(cat "$GAME/settings.ini")"
quit_with_escape
echo PASS
