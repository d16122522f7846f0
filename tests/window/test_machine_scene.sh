# A small base built in code (ship, generator, relay, mine, packets in flight)
# drawn through the game's drawing code: the link beams show between ship and
# generator and vanish when the links are forgotten, the ship's hull shows
# below its cell, and the drawing leaves no GL error behind.
source "$(dirname "$0")/lib.sh"
TOOL="$BUILD_DIR/tools/machine_scene/vask_machine_scene"
[ -x "$TOOL" ] || fail "vask_machine_scene was not built"

render() {  # name [extra args...]
    local name=$1
    shift
    (cd "$RUN_DIR" && "$TOOL" --out "$WORK/$name.png" --size 800x600 "$@" >"$WORK/$name.out" 2>"$WORK/$name.err")
    local rc=$?
    [ $rc -eq 0 ] && [ -s "$WORK/$name.png" ] || soft_fail "$name: exited $rc: $(grep -v ALSA "$WORK/$name.err" | tail -3)"
    if grep -q "GL error" "$WORK/$name.err"; then soft_fail "$name: $(grep 'GL error' "$WORK/$name.err" | head -3)"; fi
}

# Share of the region's pixels in the beams' cyan.
cyan() {  # image WxH+X+Y
    convert "$1" -crop "$2" +repage -fx "(g>0.8 && b>0.75) ? 1 : 0" -format "%[fx:mean]" info:
}

render linked
render unlinked --no-links
grep "^machines" "$WORK/linked.out"
grep -q "links [1-9]" "$WORK/linked.out" || soft_fail "the base made no links"
grep -q "packets [1-9]" "$WORK/linked.out" || soft_fail "no packet was under way"

BEAM=200x30+180+320   # between the ship (centre) and the generator (left)
HULL=16x16+392+372    # the ship's bow, below and in front of its cell
with=$(cyan "$WORK/linked.png" $BEAM)
without=$(cyan "$WORK/unlinked.png" $BEAM)
echo "beam cyan: linked $with, unlinked $without"
check "no beam between ship and generator ($with)" "w > 0.5" -v w="$with"
check "beam colour without links ($without)" "w < 0.05" -v w="$without"
read -r r g b <<<"$(image_mean "$WORK/unlinked.png" $HULL)"
echo "hull: $r $g $b"
check "ship's hull not drawn (grass-green there: $r $g $b)" "b > g && g < 0.6" -v g="$g" -v b="$b"
finish_checks
