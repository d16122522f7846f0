# A window size the game cannot start with is refused on the Settings screen:
# the box says why, settings.ini stays as it was, and Escape pressed again
# drops the edit and returns to the menu.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
printf 'XRES=800\nYRES=600\n' >"$GAME/settings.ini"
cp "$GAME/settings.ini" "$WORK/before.ini"
open_menu
click_until_change $WIDGET_X "$(row_y 4)" menu settings 240 100 160 100 || fail "'Settings' did not open"
type_into_row 0 3 12345  # "X Resolution"
shot typed
click_at $WIDGET_X "$(row_y 10)"  # "Back"
# The reason appears in red letters to the right of the box (the logo behind
# them is green and purple).
red_reason() {
    shot refused
    red=$(convert "$WORK/refused.png" -crop 380x24+410+$(( $(row_y 0) - 12 )) +repage \
        -fx "r > 0.7 && g < 0.45 && b < 0.45" -format "%[fx:mean]" info:)
    awk -v f="$red" 'BEGIN { exit !(f > 0.02) }'
}
poll 100 red_reason || fail "no reason in red beside the refused box ($red)"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/refused.png" "$VASK_SHOTS/settings-refused.png"
sleep 0.5
cmp -s "$GAME/settings.ini" "$WORK/before.ini" || fail "settings.ini changed: $(cat "$GAME/settings.ini")"
kill -0 "$GAME_PID" || fail "the game ended"

xdotool key Escape
wait_for_menu menu_back || fail "Escape did not return to the main menu"
cmp -s "$GAME/settings.ini" "$WORK/before.ini" || fail "settings.ini changed: $(cat "$GAME/settings.ini")"
quit_with_escape
cmp -s "$GAME/settings.ini" "$WORK/before.ini" || fail "settings.ini changed on the way out"
echo PASS
