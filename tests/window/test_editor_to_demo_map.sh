# A map made in the editor reaches "Demo Maps": the fixture map is opened with
# "Map Editor" > "Open", a mind is placed with the actor tool, a conversation is
# written in the dialog editor, quitting with that unsaved asks first, G saves
# the draft, then publishes it, and "Demo Maps" lists and plays it,
# conversation and all.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
printf 'EXTRA_MODES=true\n' >"$GAME/settings.ini"
(cd "$WORK" && "$BUILD_DIR/tools/testmap/vask_testmap" "$GAME/Maps/field.map" >/dev/null 2>&1) ||
    fail "no fixture map"

# Whether Maps/mine.map is a published map.
published() { (cd "$GAME" && "$RUN_DIR/vaskmap" info Maps/mine.map 2>/dev/null) | grep -q '"mapType":2,'; }

# Clicks the widget of panel row $1 and waits for the rows pattern $2.
press_row() {
    click_at $WIDGET_X "$(row_y "$1")"
    wait_rows "$2"
}

open_menu
# Main menu rows: Demo Maps, Campaign, Skirmish, Map Editor, Settings, Quit.
click_until_change $WIDGET_X "$(row_y 3)" menu editmap 0 60 400 100 || fail "'Map Editor' did not open"
type_into_row 0 4 field
click_until $WIDGET_X "$(row_y 1)" loading field.map || fail "'Open' did not load the map"
wait_for_change editor editmap 0 300 800 300 0.3 150 || fail "the editor's view was not drawn"

# Look down at the field, take the actor tool, choose the mind and place it.
look_by 0 1420  # about 43 degrees down
sleep 1
xdotool click 5 sleep 0.2 key e sleep 0.2 click 4 sleep 0.2 key e sleep 0.2 click 3
sleep 1

# B: the event list holds "Add" and "Back"; "Add" makes an event, listed above them.
xdotool key b
wait_rows 110 || fail "B opened no dialog editor"
press_row 0 1110 || fail "'Add' made no event"
# The event: the box "Time", then "Add", "Delete", "Back".
press_row 0 0111 || fail "the event's button did not open it"
# "Add" makes a line, listed as "Exchange" above the event's buttons.
press_row 1 01111 || fail "'Add' made no line"
# The line's button opens the line: boxes "Name", "Text", "Texture", then "Save", "Delete".
press_row 1 00011 || fail "the line's button did not open it"
type_into_row 0 4 Pilot
type_into_row 1 4 "Hello, commander!"
type_into_row 2 7 portraitPilot
# "Save" returns to the event: "Time", "Exchange", "Add", "Delete", "Back".
click_at $WIDGET_X "$(row_y 3)"
wait_rows 01111 || fail "'Save' did not return to the event"
press_row 4 1110 || fail "'Back' did not return to the event list"
xdotool key Escape
wait_rows 000 || fail "Escape did not close the dialog editor"

# Quitting now would lose the mind and the conversation: the editor asks
# ("Save first", "Discard", "Keep editing") instead of leaving.
xdotool key Escape
wait_rows 11 || fail "no pause screen"
press_row 0 111 || fail "'Quit' with unsaved changes did not ask"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/rows.png" "$VASK_SHOTS/unsaved_question.png"
press_row 2 000 || fail "'Keep editing' did not return to the editor"

xdotool key g
wait_rows 01 || fail "G opened no 'Save' panel"
type_into_row 0 4 mine
click_until $WIDGET_X "$(row_y 1)" test -s "$GAME/Maps/mine.map" || fail "'Save' wrote no Maps/mine.map"
wait_rows 00 || fail "the 'Save' panel stayed open"

info=$(cd "$GAME" && "$RUN_DIR/vaskmap" info Maps/mine.map 2>/dev/null) || fail "vaskmap info failed: $info"
echo "$info" | grep -q '"mapType":1,' || fail "the editor did not save a draft: $info"
# "Publish" on the same panel makes it playable. The name box has the keys already.
xdotool key g
wait_rows 011 || fail "G opened no 'Save' panel with 'Publish'"
for _ in 1 2 3 4; do xdotool key BackSpace; done
xdotool type --delay 50 mine
click_until $WIDGET_X "$(row_y 2)" published || fail "'Publish' did not make Maps/mine.map playable"
wait_rows 000 || fail "the 'Save' panel stayed open"
info=$(cd "$GAME" && "$RUN_DIR/vaskmap" info Maps/mine.map 2>/dev/null) || fail "vaskmap info failed: $info"
[ "$(echo "$info" | grep -o '{"type":1,' | wc -l)" -eq 2 ] || fail "the placed mind is missing: $info"
echo "$info" | grep -q '{"type":2,' || fail "the ship is missing: $info"
echo "$info" | grep -q '"events":\[{"time":2,"victory":false,"items":\[{"speaker":"Pilot","text":"Hello, commander!","tex":"portraitPilot"}\]}\]' ||
    fail "the conversation was not saved: $info"
rm "$GAME/Maps/field.map"  # "Demo Maps" then lists mine.map alone

# Leave the editor (all is saved: no question), then "Back" to the main menu.
leave_to_menu editmap2
click_until_change $WIDGET_X "$(row_y 2)" editmap2 main2 0 60 400 200 || fail "'Back' did not return to the main menu"

# The list is read again when "Demo Maps" opens: the map published a moment ago is there.
click_until_change $WIDGET_X "$(row_y 0)" main2 load 0 60 400 200 || fail "'Demo Maps' did not open"
click_until $WIDGET_X "$(row_y 0)" loading mine.map || fail "mine.map was not listed or not launched"
point_at 400 300
# The conversation fires on the second tick.
poll 150 talking talk || fail "the conversation did not show"
xdotool key space
talk_ends after || fail "the conversation stayed after its only line"
kill -0 "$GAME_PID" || fail "the game ended"
[ -n "$(game_errors)" ] && fail "errors were reported: $(game_errors | head -3)"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/talk.png" "$VASK_SHOTS/"
echo PASS
