#!/bin/bash
# A small base built in code (ship, generator, relay, mine, packets in flight)
# drawn through the game's drawing code: the link beams show between ship and
# generator and vanish when the links are forgotten, the ship's hull shows
# below its cell, and the drawing leaves no GL error behind.
# Arguments: run folder, build folder.
set -u
RUN_DIR=$(cd "$1" && pwd)
BUILD_DIR=$(cd "$2" && pwd)

if [ -z "${VASK_IN_XVFB:-}" ]; then
    export VASK_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$RUN_DIR" "$BUILD_DIR"
fi
export SDL_AUDIODRIVER=dummy

TOOL="$BUILD_DIR/tools/machine_scene/vask_machine_scene"
[ -x "$TOOL" ] || { echo "FAIL: vask_machine_scene was not built"; exit 1; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

shot() {  # name [extra args...]
    local name=$1
    shift
    (cd "$RUN_DIR" && "$TOOL" --out "$WORK/$name.png" --size 800x600 "$@" >"$WORK/$name.out" 2>"$WORK/$name.err")
    local rc=$?
    [ $rc -eq 0 ] && [ -s "$WORK/$name.png" ] || fail "$name: exited $rc: $(grep -v ALSA "$WORK/$name.err" | tail -3)"
    if grep -q "GL error" "$WORK/$name.err"; then fail "$name: $(grep 'GL error' "$WORK/$name.err" | head -3)"; fi
}

# Share of the region's pixels in the beams' cyan.
cyan() {  # image WxH+X+Y
    convert "$1" -crop "$2" +repage -fx "(g>0.8 && b>0.75) ? 1 : 0" -format "%[fx:mean]" info:
}
mean() {  # image WxH+X+Y
    convert "$1" -crop "$2" +repage -format "%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]" info:
}
check() {  # description awk-condition vars...
    local what=$1 cond=$2
    shift 2
    awk "$@" "BEGIN { exit !($cond) }" || fail "$what"
}

shot linked
shot unlinked --no-links
grep "^machines" "$WORK/linked.out"
grep -q "links [1-9]" "$WORK/linked.out" || fail "the base made no links"
grep -q "packets [1-9]" "$WORK/linked.out" || fail "no packet was under way"

BEAM=200x30+180+320   # between the ship (centre) and the generator (left)
HULL=16x16+392+372    # the ship's bow, below and in front of its cell
with=$(cyan "$WORK/linked.png" $BEAM)
without=$(cyan "$WORK/unlinked.png" $BEAM)
echo "beam cyan: linked $with, unlinked $without"
check "no beam between ship and generator ($with)" "w > 0.5" -v w="$with"
check "beam colour without links ($without)" "w < 0.05" -v w="$without"
read -r r g b <<<"$(mean "$WORK/unlinked.png" $HULL)"
echo "hull: $r $g $b"
check "ship's hull not drawn (grass-green there: $r $g $b)" "b > g && g < 0.6" -v g="$g" -v b="$b"

[ $failures -eq 0 ] && echo "machine scene ok"
[ $failures -eq 0 ]
