# A texture file that is not a PNG: the game says which file on screen and on
# standard error, and the blocks that use it draw as a pink checker, not black.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
rm "$GAME/Textures"
cp -r "$RUN_DIR/Textures" "$GAME/Textures"
echo "not a picture" >"$GAME/Textures/grass.png"  # the fixture map's ground
open_menu

wait_for_notice notice || fail "no message line on the menu"
grep -q "^error: Textures/grass.png is not a PNG\.$" "$WORK/err.txt" || fail "standard error does not name the file"
grep -q "^Could not read Textures/grass.png " "$WORK/err.txt" || fail "no message for the player"
click_at 700 560
wait_for_no_notice menu || fail "a click did not dismiss the message"

launch_fixture_map
# The ground in the lower half of the view: pink and dark checks, where
# the grass would be green.
pink_ground() {
    shot "$1"
    awk -v c="$(region_mean "$1" 100 480 600 100)" \
        'BEGIN { split(c, v, " "); exit !(v[1] > v[2] + 40 && v[3] > v[2] + 40) }'
}
poll 100 pink_ground ground || fail "the ground is not drawn as the missing-texture checker: $(region_mean ground 100 480 600 100)"
leave_to_menu back
quit_with_escape
echo PASS
