# A demo map is played: walking changes the view, Escape pauses, "Quit" shows
# the "Failure" screen and "Back to Menu" the map list again. A player who then
# turns shadows off must still see a sunlit world: the next game is as bright
# as the first, not sunk in shadow everywhere. Escape on the list ends the
# program.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
# The first game is played with shadows, whatever the renderer would start with.
printf 'SHADOWS=3\n' >"$GAME/settings.ini"

# Escape, "Quit" ("Failure" is one letter longer than "Paused": the title grows
# to the right), then "Back to Menu", which shows the map list again as list$2.
end_game() { # shot to pause from, suffix
    local n=${2:-}
    xdotool key Escape
    wait_for_change paused "$1" 200 60 250 120 0.05 100 || fail "no pause screen"
    click_at $WIDGET_X "$(row_y 0)"
    wait_for_change "failure$n" paused 180 66 40 34 0.02 100 || fail "no 'Failure' screen after 'Quit'"
    kill -0 "$GAME_PID" || fail "the game ended on the end screen"
    click_at $WIDGET_X "$(row_y 0)"
    wait_for_change "list$n" "failure$n" 500 300 300 300 0.3 100 || fail "'Back to Menu' did not return to the map list"
}

launch_fixture_map
sleep 1
shot first
# Walk while W is held, however slowly a loaded machine draws: up to 10 s.
xdotool keydown w
walked=0
wait_for_change after first 100 100 600 400 0.05 100 && walked=1
xdotool keyup w
[ "$walked" = 1 ] || fail "walking did not change the view ($(region_diff first after 100 100 600 400))"
sleep 0.3
shot after
end_game after
cp "$WORK/first.png" "$WORK/play.png"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/menu.png" "$WORK/play.png" "$WORK/paused.png" "$WORK/failure.png" "$VASK_SHOTS/"

# Back to the main menu, shadows off in the settings, and the same map again.
click_until_change $WIDGET_X "$(row_y 1)" list menu2 240 163 160 16 || fail "'Back' did not leave the map list"
click_until_change $WIDGET_X "$(row_y 4)" menu2 settings 240 100 160 100 || fail "'Settings' did not open"
shot settings_before
click_until_change $WIDGET_X "$(row_y 6)" settings_before settings_off 240 281 160 18 ||
    fail "the 'Shadows' toggle did not change"
click_at $WIDGET_X "$(row_y 10)"  # "Back" stores the settings
poll 100 grep -q "^SHADOWS=0$" "$GAME/settings.ini" || fail "shadows were not turned off: $(cat "$GAME/settings.ini")"
sleep 0.5
shot menu3
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

end_game second 2
quit_with_escape
echo PASS
