# A demo map played for ten seconds of wall time keeps to the step clock: the
# line the game prints when the world ends never shows more than 62 steps in
# a second, nor fewer steps than pictures. F3 shows the frame-rate line at the
# top right of the view and hides it again.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
printf 'SHADOWS=0\n' >"$GAME/settings.ini"
launch_fixture_map
grep -q "^Vsync: " "$WORK/out.txt" || fail "the game did not say what became of vsync"

# The top right corner, where the line goes, clear of the HUD's resource row.
sleep 1
shot plain
xdotool key F3
wait_for_change rate plain 560 0 240 24 0.02 100 || fail "F3 did not show the frame-rate line"
xdotool key F3
for _ in $(seq 1 50); do
    shot hidden
    awk -v d="$(region_diff plain hidden 560 0 240 24)" 'BEGIN { exit !(d < 0.01) }' && break
    sleep 0.1
done
awk -v d="$(region_diff plain hidden 560 0 240 24)" 'BEGIN { exit !(d < 0.01) }' || fail "F3 again did not hide the line"
[ -n "${VASK_SHOTS:-}" ] && cp "$WORK/rate.png" "$VASK_SHOTS/frame_rate_line.png"

sleep 10
xdotool key Escape
wait_rows 11 || fail "no pause screen"
click_at $WIDGET_X "$(row_y 0)"
poll 100 grep -q "^Pace: " "$WORK/out.txt" || fail "no pace line when the game ended"
pace=$(grep "^Pace: " "$WORK/out.txt")
echo "$pace"
# Pace: S steps and P pictures in T s (R steps/s, F pictures/s), busiest second B steps/s
read -r steps pictures seconds busiest <<<"$(echo "$pace" |
    sed -E 's/^Pace: ([0-9]+) steps and ([0-9]+) pictures in ([0-9.]+) s .*busiest second ([0-9.]+) steps\/s$/\1 \2 \3 \4/')"
[ -n "$busiest" ] || fail "unreadable pace line: $pace"
awk -v s="$steps" -v p="$pictures" -v t="$seconds" -v b="$busiest" 'BEGIN {
    if (t < 8 || s < 1) { print "the game was not playing for the ten seconds"; exit 1 }
    if (b > 62) { print "more than 62 steps in a second: " b; exit 1 }
    if (s / t > 61) { print "more than 60 steps a second on average: " s / t; exit 1 }
    if (s < p) { print "fewer steps than pictures"; exit 1 }
}' || fail "the pace is wrong: $pace"
quit_with_escape
echo PASS
