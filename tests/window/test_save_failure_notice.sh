# A save the disk refuses is said on screen: with the run folder read-only,
# leaving the settings screen shows "Could not save settings.ini" in a message
# line that stays until a click dismisses it.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
printf 'YRES=600\nXRES=800\n' >"$GAME/settings.ini"

# Root writes into read-only folders, so for root the folder is mounted
# read-only in a mount namespace of the game's own; where that is not allowed,
# a folder takes the name settings.ini, which no one can replace with a file.
if [ "$(id -u)" -ne 0 ]; then
    chmod a-w "$GAME"
    open_menu
elif unshare -m true 2>/dev/null; then
    poll 100 xdotool getdisplaygeometry >/dev/null 2>&1 || fail "the X server never answered"
    (exec unshare -m sh -c 'mount --bind "$0" "$0" && mount -o remount,bind,ro "$0" && cd "$0" && exec ./vask' \
        "$GAME" >"$WORK/out.txt" 2>"$WORK/err.txt") &
    GAME_PID=$!
    wait_for_window
    point_at 400 300
    wait_for_menu menu || fail "the main menu was not drawn"
else
    rm "$GAME/settings.ini"
    mkdir -p "$GAME/settings.ini/kept"
    open_menu
fi

# "Settings" is the fifth row, under the modes; its screen starts with boxes.
click_until_change $WIDGET_X "$(row_y 4)" menu settings 240 100 160 100 || fail "'Settings' did not open"
click_at $WIDGET_X "$(row_y 10)"  # "Back"
poll 100 grep -q "^Could not save settings.ini: " "$WORK/err.txt" || fail "no message on standard error"

wait_for_notice notice || fail "no message line on screen"
awk -v m="$(bright_share notice 20 $((EDGE + 8)) 500 30)" 'BEGIN { exit !(m > 0.03) }' ||
    fail "the message line holds no text"

# The settings screen was left as asked; a click dismisses the message and
# nothing else.
click_at 700 560
wait_for_no_notice dismissed || fail "the message line stayed after a click"
quit_with_escape
echo PASS
