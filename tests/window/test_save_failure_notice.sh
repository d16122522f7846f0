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

click_until_change $WIDGET_X "$(row_y 1)" menu settings 240 224 160 14 || fail "'Settings' did not open"
click_at $WIDGET_X "$(row_y 7)"  # "Back"
poll 100 grep -q "^Could not save settings.ini: " "$WORK/err.txt" || fail "no message on standard error"

# The message line: a dark strip with an amber edge above the bottom of the window.
strip() {
    shot "$1"
    awk -v s="$(region_mean "$1" 0 470 800 50)" -v e="$(region_mean "$1" 0 "$2" 800 2)" \
        'BEGIN { split(s, a, " "); split(e, b, " "); exit !(a[1] > 15 && a[1] < 90 && b[1] > 180 && b[2] > 90 && b[3] < 80) }'
}
edge_row() { # the amber edge's pixel row in shot $1
    convert "$WORK/$1.png" -crop 1x200+400+330 +repage -depth 8 txt:- |
        awk -F'[(),:]' 'NR > 1 && $4 > 180 && $5 > 90 && $6 < 80 { print $2 + 330; exit }'
}
SHOWN=""
for _ in $(seq 1 50); do
    shot notice
    EDGE=$(edge_row notice)
    [ -n "$EDGE" ] && strip notice "$EDGE" && SHOWN=1 && break
    sleep 0.2
done
[ -n "$SHOWN" ] || fail "no message line on screen"
# Its text: bright letters on the dark strip.
bright_share() { # shot x y w h: the share of its pixels brighter than middle grey
    convert "$WORK/$1.png" -crop "${4}x${5}+${2}+${3}" +repage -colorspace gray -threshold 50% -format "%[fx:mean]" info:
}
awk -v m="$(bright_share notice 20 $((EDGE + 8)) 500 30)" 'BEGIN { exit !(m > 0.03) }' ||
    fail "the message line holds no text"

# The settings screen was left as asked; a click dismisses the message and
# nothing else.
click_at 700 560
for _ in $(seq 1 50); do
    shot dismissed
    [ -z "$(edge_row dismissed)" ] && break
    sleep 0.2
done
[ -z "$(edge_row dismissed)" ] || fail "the message line stayed after a click"
quit_with_escape
echo PASS
