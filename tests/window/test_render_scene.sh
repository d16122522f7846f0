# Renders a small fixture scene through the game's drawing code and checks the
# picture by regions: sky above, grass below, a tinted see-through vask curtain
# in the middle, shadows from a low sun, wrapped text from the character sheet,
# and shader programs that load cleanly.
source "$(dirname "$0")/lib.sh"
(cd "$RUN_DIR" && "$BUILD_DIR/tools/render_fixtures/vask_render_fixtures" "$WORK") || fail "fixtures not written"

render() {  # name map [extra args...]
    local name=$1 map=$2
    shift 2
    (cd "$RUN_DIR" && "$BUILD_DIR/tools/screenshot/vask_screenshot" --map "$WORK/$map" --size 800x600 \
        --out "$WORK/$name.png" "$@" >"$WORK/$name.out" 2>"$WORK/$name.err")
    local rc=$?
    [ $rc -eq 0 ] && [ -s "$WORK/$name.png" ] || soft_fail "$name: screenshot exited $rc: $(tail -3 "$WORK/$name.err")"
}

render scene scene.map --shadows 3
render novask novask.map --shadows 3
render nowall nowall.map --shadows 3
render lit novask.map --shadows 3 --sun 20,200,250
render unlit novask.map --shadows 0 --sun 20,200,250
# A frame at full health goes straight into the window; the composed picture
# (the one conversations show) must be the same frame, HUD included.
render direct scene.map --shadows 3 --shown "$WORK/direct-shown.png"
render caption scene.map --shadows 0 --text "The vask grows where nothing stops it. Cage the minds in stone before it reaches the ship."

# Every program linked, and no compile or link log came out.
for p in block post shadow; do
    grep -q "^loaded program $p : [1-9]" "$WORK/scene.out" || soft_fail "program $p not loaded"
done
# No shader log and no GL error flag in any run (sound device noise aside).
for err in "$WORK"/*.err; do
    if grep -v -e '^ALSA lib' -e 'audio' -e 'Could not open' "$err" | grep -q -i -E 'error|warning|[0-9]+:[0-9]+\([0-9]+\)'; then
        soft_fail "$(basename "$err" .err): shader logs or GL errors on standard error:"
        cat "$err"
    fi
done

direct=$(compare -metric AE "$WORK/direct.png" "$WORK/direct-shown.png" null: 2>&1)
check "the frame shown in the window differs from the composed one in $direct pixels" "n ~ /^[0-9]+$/ && n <= 480" -v n="$direct"

SKY=160x40+320+65       # above the wall, below the resource row
GROUND=800x60+0+540     # the grass in front of the player
VASK=160x140+320+190    # the middle of the curtain
SHADE=300x90+450+420    # ground the wall shades from a sun behind it

std=$(convert "$WORK/scene.png" -format "%[fx:standard_deviation]" info:)
check "picture is blank (deviation $std)" "s > 0.08" -v s="$std"

read -r sr sg sb <<<"$(image_mean "$WORK/scene.png" $SKY)"
check "sky is not sky-blue ($sr $sg $sb)" "b > 0.7 && b > r + 0.2 && b > g + 0.2" -v r="$sr" -v g="$sg" -v b="$sb"
read -r gr gg gb <<<"$(image_mean "$WORK/scene.png" $GROUND)"
check "ground is not green grass ($gr $gg $gb)" "g > r + 0.1 && g > b + 0.1" -v r="$gr" -v g="$gg" -v b="$gb"

read -r vr vg vb <<<"$(image_mean "$WORK/scene.png" $VASK)"
read -r nr ng nb <<<"$(image_mean "$WORK/novask.png" $VASK)"
read -r wr wg wb <<<"$(image_mean "$WORK/nowall.png" $VASK)"
echo "vask region: with vask $vr $vg $vb, without $nr $ng $nb, vask without the wall $wr $wg $wb"
# Tinted: purple (red and blue over green) where the wall alone is not.
check "vask is not tinted purple" "(vr + vb) / 2 - vg > (nr + nb) / 2 - ng + 0.1" \
    -v vr="$vr" -v vg="$vg" -v vb="$vb" -v nr="$nr" -v ng="$ng" -v nb="$nb"
# See-through: what stands behind the curtain changes its colour.
check "vask hides what is behind it" \
    "(vr - wr) ^ 2 + (vg - wg) ^ 2 + (vb - wb) ^ 2 > 0.03 ^ 2" \
    -v vr="$vr" -v vg="$vg" -v vb="$vb" -v wr="$wr" -v wg="$wg" -v wb="$wb"
# Away from the vask the two pictures agree.
read -r xr xg xb <<<"$(image_mean "$WORK/novask.png" $SKY)"
check "sky differs without vask" "(sr - xr) ^ 2 + (sg - xg) ^ 2 + (sb - xb) ^ 2 < 0.02 ^ 2" \
    -v sr="$sr" -v sg="$sg" -v sb="$sb" -v xr="$xr" -v xg="$xg" -v xb="$xb"

read -r lr lg lb <<<"$(image_mean "$WORK/lit.png" $SHADE)"
read -r ur ug ub <<<"$(image_mean "$WORK/unlit.png" $SHADE)"
echo "shaded ground: shadows on $lr $lg $lb, shadows off $ur $ug $ub"
check "the wall casts no shadow" "lg < ug - 0.1" -v lg="$lg" -v ug="$ug"

# The caption is white text from the character sheet, wrapped onto two lines.
white() {  # image region: fraction of near-white pixels
    convert "$1" -crop "$2" +repage -colorspace gray -threshold 92% -format "%[fx:mean]" info:
}
for line in 760x18+20+18 760x18+20+40; do
    on=$(white "$WORK/caption.png" $line)
    off=$(white "$WORK/scene.png" $line)
    check "no caption text at $line ($on, without $off)" "on > 0.05 && off < 0.01" -v on="$on" -v off="$off"
done
below=$(white "$WORK/caption.png" 760x18+20+62)
check "caption spills onto a third line ($below)" "b < 0.01" -v b="$below"
finish_checks
