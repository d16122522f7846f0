# F11 switches to desktop fullscreen and back, in the menus and in play, and
# keeps the choice in settings.ini; in fullscreen the menu is stretched over
# the display and clicks still find its buttons.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
make_fixture_map
# Xvfb has no window manager, and only a manager takes a window to fullscreen.
WM="$BUILD_DIR/tests/tiny_wm"
[ -x "$WM" ] || { echo "SKIP: no tiny_wm (X11 headers missing)"; exit 77; }
poll 100 xdotool getdisplaygeometry >/dev/null 2>&1 || fail "the X server never answered"
"$WM" >"$WORK/wm.txt" 2>&1 &
poll 50 grep -q "tiny_wm ready" "$WORK/wm.txt" || fail "the window manager did not start"
open_menu

window_size() {
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    echo "${WIDTH}x$HEIGHT"
}
is_size() { [ "$(window_size)" = "$1" ]; }
screen_shot() { import -window root "$WORK/$1.png" 2>/dev/null; }
# F11 until the window has size $1 (the first press may come before the loop).
switch_to() { # size
    local _
    for _ in 1 2 3; do
        xdotool key F11
        poll 50 is_size "$1" && return 0
    done
    return 1
}

switch_to 1024x768 || fail "F11 did not fill the display (window $(window_size))"
poll 50 grep -q "^FULLSCREEN=true$" "$GAME/settings.ini" || fail "FULLSCREEN=true was not stored"
WX=0 WY=0
# "Settings" (the fifth row) at the stretched position opens its screen.
sleep 0.5
screen_shot full_menu
scale() { echo $(( $1 * 128 / 100 )); }
for _ in $(seq 1 20); do
    xdotool mousemove "$(scale $WIDGET_X)" "$(scale "$(row_y 4)")" click 1
    sleep 0.5
    screen_shot full_settings
    d=$(convert "$WORK/full_menu.png" "$WORK/full_settings.png" -crop 205x128+307+128 +repage miff:- |
        compare -metric AE -fuzz 5% - null: 2>&1)
    [ "${d%%.*}" -gt 500 ] && break
done
[ "${d%%.*}" -gt 500 ] || fail "a click at the stretched 'Settings' did nothing"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/full_settings.png" "$VASK_SHOTS/fullscreen-settings.png"

switch_to 800x600 || fail "F11 did not return to a window (window $(window_size))"
poll 50 grep -q "^FULLSCREEN=false$" "$GAME/settings.ini" || fail "FULLSCREEN=false was not stored"
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
WX=$X WY=$Y

# In play: the view fills the whole display, not just an 800 x 600 corner.
xdotool key Escape
wait_for_menu menu2 || fail "Escape did not return to the main menu"
click_until_change $WIDGET_X "$(row_y 0)" menu2 load 240 163 160 16 || fail "'Demo Maps' did not open"
click_until $WIDGET_X "$(row_y 0)" loading field.map || fail "Maps/field.map was not launched"
wait_for_change start load 0 300 800 300 0.3 100 || fail "the game view did not appear"
switch_to 1024x768 || fail "F11 in play did not fill the display"
sleep 1
screen_shot full_play
corner=$(convert "$WORK/full_play.png" -crop 200x150+820+600 +repage -format "%[fx:mean]" info:)
awk -v b="$corner" 'BEGIN { exit !(b > 0.1) }' || fail "the far corner of the display stayed dark ($corner)"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/full_play.png" "$VASK_SHOTS/fullscreen-play.png"
switch_to 800x600 || fail "F11 in play did not return to a window"
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
WX=$X WY=$Y
leave_to_menu end
quit_with_escape
echo PASS
