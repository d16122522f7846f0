# Winning the first campaign mission at "hard" unlocks the second: its row gets
# the play icon, the win is stored under difficulty 3 only, and the campaign
# screen comes back in the menus' own white text, not the game's red.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
printf 'EXTRA_MODES=true\n' >"$GAME/settings.ini"
# A campaign of our own: a map without a mind is won on its first frame.
rm -f "$GAME/Campaign"
mkdir "$GAME/Campaign"
(cd "$WORK" && "$BUILD_DIR/tools/testmap/vask_testmap" "$GAME/Campaign/win.map" nomind >/dev/null 2>&1) ||
    fail "no mission map"
record() { # name
    printf "$(printf '\\x%02x' ${#1})\\x00\\x00\\x00%s" "$1"
    head -c 20 /dev/zero
}
{ record win.map; record win.map; for _ in $(seq 1 24); do record ""; done; } >"$GAME/campaign.dat"
cp "$GAME/campaign.dat" "$WORK/before.dat"

# Mean colour of a row's play button (x 30..38) and caption, as "r g b".
play_icon() { region_mean "$1" 244 $(( $(row_y "$2") - 6 )) 56 12; }
caption() { region_mean "$1" 40 $(( $(row_y "$2") - 6 )) 100 12; }
greenish() { awk -v c="$1" 'BEGIN { split(c, v, " "); exit !(v[2] > v[1] + 30 && v[2] > v[3] + 30) }'; }
white_text() { awk -v c="$1" 'BEGIN { split(c, v, " "); exit !(v[1] > 20 && v[2] > 0.7 * v[1] && v[3] > 0.7 * v[1]) }'; }

open_menu
click_until_change $WIDGET_X "$(row_y 1)" menu campaign 0 60 400 300 ||
    fail "'Campaign' did not open the campaign screen"
shot campaign
greenish "$(play_icon campaign 0)" || fail "the first mission is not playable: $(play_icon campaign 0)"
greenish "$(play_icon campaign 1)" && fail "the second mission is playable before the first was won"

# The difficulty toggle sits at x 40..48: one click turns "normal" into "hard".
click_until_change 352 "$(row_y 0)" campaign hard 320 $(( $(row_y 0) - 6 )) 64 12 ||
    fail "the difficulty toggle did not change"
won() { ! cmp -s "$GAME/campaign.dat" "$WORK/before.dat"; }
click_until 272 "$(row_y 0)" loading win.map || fail "the mission was not launched"
# The end screen's "Back to Menu" is its first row; the result is saved on return.
CLICK_TRIES=40 click_until $WIDGET_X "$(row_y 0)" won || fail "campaign.dat was not saved after the win"

# Record 0: 4 bytes of length, 7 of name, then five times; only "hard" is set.
times=$(od -A n -t u4 -j 11 -N 20 "$GAME/campaign.dat" | xargs)
echo "$times" | awk '{ exit !($1 == 0 && $2 == 0 && $3 == 0 && $4 > 0 && $5 == 0) }' ||
    fail "the win was not stored under 'hard' alone: $times"
cmp -s <(tail -c +32 "$GAME/campaign.dat") <(tail -c +32 "$WORK/before.dat") ||
    fail "other records changed"

for _ in $(seq 1 50); do
    shot back
    greenish "$(play_icon back 1)" && break
    sleep 0.1
done
greenish "$(play_icon back 1)" || fail "the second mission was not unlocked: $(play_icon back 1)"
white_text "$(caption back 0)" || fail "the menu text is tinted after the game: $(caption back 0)"
kill -0 "$GAME_PID" || fail "the game ended"
quit_with_escape
echo PASS
