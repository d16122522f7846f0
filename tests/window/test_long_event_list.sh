# A map with forty events opened in the editor: B lists them, the wheel scrolls
# the list until its "Back" button shows at the bottom of an 800 x 600 window,
# and clicking "Back" closes the list.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
printf 'EXTRA_MODES=true\n' >"$GAME/settings.ini"
(cd "$WORK" && "$BUILD_DIR/tools/testmap/vask_testmap" "$GAME/Maps/field.map" events=40 >/dev/null 2>&1) ||
    fail "no fixture map"

# Pixel row of the middle of a panel row whose top is at $1 (overlay units).
row_at() { echo $(( (1015 - 10 * $1) * 6 / 10 )); }
# Whether shot $1 shows a button bar in the row whose top is at $2.
bar_at() {
    local c
    c=$(region_mean "$1" 245 $(( $(row_at "$2") - 5 )) 150 10)
    awk -v c="$c" 'BEGIN { split(c, v, " "); exit !(v[1] > 60 && v[1] < 84 && v[2] > 75 && v[2] < 99 && v[3] > 101 && v[3] < 125) }'
}
scrolled_to_back() { shot scrolled && bar_at scrolled 5 && bar_at scrolled 10; }

open_menu
click_until_change $WIDGET_X "$(row_y 3)" menu editmap 0 60 400 100 || fail "'Map Editor' did not open"
type_into_row 0 4 field
click_until $WIDGET_X "$(row_y 1)" loading field.map || fail "'Open' did not load the map"
wait_for_change editor editmap 0 300 800 300 0.3 150 || fail "the editor's view was not drawn"

xdotool key b
wait_rows 11111111111111111 || fail "B did not list the forty events"
shot listed
bar_at listed 5 && fail "the list's last row shows before scrolling"

# Forty events, "Add" and "Back" are 42 rows: 26 notches bring "Back" up.
point_at 400 300
for _ in $(seq 1 30); do xdotool click 5; sleep 0.05; done
poll 100 scrolled_to_back || fail "the wheel did not bring 'Add' and 'Back' into view"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/scrolled.png" "$VASK_SHOTS/event_list_scrolled.png"

click_at $WIDGET_X "$(row_at 5)"
wait_rows 0000 || fail "'Back' did not close the list"
kill -0 "$GAME_PID" || fail "the game ended"
[ -n "$(game_errors)" ] && fail "errors were reported: $(game_errors | head -3)"
echo PASS
