# The HUD and the pause panel at 640 x 480, 800 x 600 and 1024 x 768, in the
# real game: every count and name is drawn inside the box the game's layout
# gives it (so it is whole, not clipped), on a backdrop darker than the sky
# behind it, and the pause panel's backdrop darkens the view. VASK_SHOTS names
# a folder to keep one picture of each.
source "$(dirname "$0")/lib.sh"
require_drawing
LAYOUT="$BUILD_DIR/tools/hud_layout/vask_hud_layout"
[ -x "$LAYOUT" ] || fail "vask_hud_layout was not built"
make_run_folder
(cd "$WORK" && "$BUILD_DIR/tools/testmap/vask_testmap" "$GAME/Maps/field.map" >/dev/null 2>&1) || fail "no fixture map"

# A screenshot of the whole window at the size being tested.
shot_size() { import -window root -crop "${W}x${H}+$WX+$WY" +repage "$WORK/$1.png" 2>/dev/null; }
box() { grep "^$1 " "$WORK/layout.txt" | cut -d' ' -f2-; }
# Share of a box's pixels matching an fx condition.
share() { # shot "x y w h" condition
    read -r x y w h <<<"$2"
    convert "$WORK/$1.png" -crop "${w}x${h}+${x}+${y}" +repage -fx "$3 ? 1 : 0" -format "%[fx:mean]" info:
}
RED="(r > 0.6 && g < 0.3 && b < 0.3)"
LIGHT="(r > 0.55 && g > 0.55 && b > 0.5)"

for size in 640x480 800x600 1024x768; do
    W=${size%x*}
    H=${size#*x}
    printf 'XRES=%s\nYRES=%s\nFULLSCREEN=false\n' "$W" "$H" >"$GAME/settings.ini"
    start_game
    wait_for_window
    point_at $((W / 2)) $((H / 2))
    row0=$(( H * 185 / 1000 ))  # the middle of the first panel row (81.5 units up)
    # The first clicks open "Demo Maps", a later one launches the only map.
    click_until $((W * 2 / 5)) $row0 loading field.map || fail "$size: the map was not launched"
    point_at $((W / 2)) $((H / 2))
    # The view is up once the ground fills the bottom of the window.
    poll 200 bash -c "import -window root -crop ${W}x$((H / 4))+$WX+$((WY + H * 3 / 4)) +repage -format '%[fx:mean]' info: | awk '{ exit !(\$1 > 0.2) }'" ||
        fail "$size: the game view did not appear"
    sleep 2
    shot_size "hud-$size" || fail "$size: no screenshot"
    # The ship's store of the fixture map: nothing but the starting matter.
    "$LAYOUT" "$W" "$H" 0 0 0 0 0 0 >"$WORK/layout.txt" || fail "$size: no layout"
    for name in matter energy sensors capacitors generators relays; do
        count=$(share "hud-$size" "$(box "count_$name")" "$RED")
        label=$(share "hud-$size" "$(box "name_$name")" "$LIGHT")
        check "$size: no red count in the box of $name ($count)" "c > 0.04" -v c="$count"
        check "$size: no name in the box of $name ($label)" "c > 0.04" -v c="$label"
    done
    caption=$(share "hud-$size" "$(box caption)" "$LIGHT")
    check "$size: no tool caption ($caption)" "c > 0.04" -v c="$caption"
    # Right of the last name, still inside the backdrop: dark, not sky.
    read -r bx by bw bh <<<"$(box backdrop)"
    read -r rx ry rw rh <<<"$(box name_relays)"
    edge=$(( bx + bw - (rx + rw) ))
    if [ "$edge" -ge 2 ]; then
        dark=$(convert "$WORK/hud-$size.png" -crop "1x${bh}+$((bx + bw - 2))+${by}" +repage -format "%[fx:mean]" info:)
        sky=$(convert "$WORK/hud-$size.png" -crop "1x${bh}+$((bx + bw + 6))+${by}" +repage -format "%[fx:mean]" info:)
        check "$size: the backdrop is not darker than the sky ($dark vs $sky)" "d < s - 0.15" -v d="$dark" -v s="$sky"
    fi

    read -r px py pw ph <<<"$(box pause)"
    before=$(convert "$WORK/hud-$size.png" -crop "${pw}x${ph}+${px}+${py}" +repage -format "%[fx:mean]" info:)
    xdotool key Escape
    darker() {
        shot_size "pause-$size" &&
            convert "$WORK/pause-$size.png" -crop "${pw}x${ph}+${px}+${py}" +repage -format "%[fx:mean]" info: |
            awk -v b="$before" '{ exit !($1 < b - 0.1) }'
    }
    poll 100 darker || soft_fail "$size: the pause panel did not darken the view behind it"
    after=$(convert "$WORK/pause-$size.png" -crop "${pw}x${ph}+${px}+${py}" +repage -format "%[fx:mean]" info:)
    echo "$size: pause area brightness $before before, $after with the panel"
    if [ -n "${VASK_SHOTS:-}" ]; then
        cp "$WORK/hud-$size.png" "$WORK/pause-$size.png" "$VASK_SHOTS/"
    fi
    kill "$GAME_PID"
    wait_for_exit
done
finish_checks
