# Shared helpers of the window tests. Each test sources this file with the run
# folder and build folder as $1 and $2; it re-runs itself under Xvfb, plays the
# real game in a scratch copy of the run folder (so a player's settings.ini and
# maps are never touched) and cleans up on exit.
set -u
RUN_DIR=$(cd "$1" && pwd)
BUILD_DIR=$(cd "$2" && pwd)
SCRIPT=$(readlink -f "$0")

if [ -z "${VASK_IN_XVFB:-}" ]; then
    # A random first display number: several test runs may start servers at once.
    VASK_IN_XVFB=1 exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" bash "$SCRIPT" "$RUN_DIR" "$BUILD_DIR"
fi
export SDL_AUDIODRIVER=dummy

# The X server here now and then drops a new client's connection before it is
# set up (about one in three hundred). A command that could not connect has
# done nothing yet, so it is simply run again.
xdotool() {
    local try
    for try in 1 2 3 4 5; do
        command xdotool "$@" && return 0
    done
    return 1
}
[ -n "${VASK_TRACE:-}" ] && set -x

WORK=$(mktemp -d /tmp/vask_window.XXXXXX)
GAME_PID=""
cleanup() {
    if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
        kill "$GAME_PID"
        poll 30 bash -c "! kill -0 $GAME_PID 2>/dev/null" || kill -9 "$GAME_PID" 2>/dev/null
    fi
    if [ -n "${KEEP_WORK:-}" ]; then echo "kept $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    echo "--- game output ---"
    tail -20 "$WORK/out.txt" 2>/dev/null
    echo "--- standard error ---"
    tail -20 "$WORK/err.txt" 2>/dev/null
    exit 1
}

# A scratch run folder: the executable and the shipped data, its own Maps/.
make_run_folder() {
    GAME="$WORK/game"
    mkdir -p "$GAME/Maps"
    cp "$RUN_DIR/vask" "$GAME/"
    for d in Shaders Textures Sounds Campaign; do
        [ -d "$RUN_DIR/$d" ] && ln -s "$RUN_DIR/$d" "$GAME/$d"
    done
    [ -f "$RUN_DIR/campaign.dat" ] && cp "$RUN_DIR/campaign.dat" "$GAME/"
    true
}

# What the game wrote on standard error, less the line SDL's Wayland probe
# leaves when a dropped X connection makes the game try its display again.
game_errors() {
    grep -v "^error: XDG_RUNTIME_DIR is invalid or not set in the environment\.$" "$WORK/err.txt" 2>/dev/null
}

start_game() {
    # The game must find the display ready: without one it refuses to start.
    poll 100 xdotool getdisplaygeometry >/dev/null 2>&1 || fail "the X server never answered"
    (cd "$GAME" && exec ./vask >"$WORK/out.txt" 2>"$WORK/err.txt") &
    GAME_PID=$!
}

# Waits for the game's window; its id goes to $WINDOW.
wait_for_window() {
    for _ in $(seq 1 200); do
        WINDOW=$(xdotool search --name "^The Vask v0.95$" 2>/dev/null | head -1)
        if [ -n "$WINDOW" ]; then
            # Window coordinates: SDL centres the window on the screen.
            eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
            WX=$X
            WY=$Y
            return 0
        fi
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window opened"
        sleep 0.1
    done
    fail "no window after 20 s"
}

# Waits for the game to end; its exit code goes to $EXIT_CODE.
wait_for_exit() {
    for _ in $(seq 1 ${1:-200}); do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            wait "$GAME_PID"
            EXIT_CODE=$?
            GAME_PID=""
            return 0
        fi
        sleep 0.1
    done
    fail "the game did not end"
}

# A screenshot of the game window's area of the screen.
shot() {
    local try
    for try in 1 2 3 4 5; do
        import -window root -crop "800x600+$WX+$WY" +repage "$WORK/$1.png" 2>/dev/null && return 0
    done
    fail "screenshot $1 failed"
}

# Mean colour of a region of a screenshot as "r g b" in 0..255.
region_mean() { # shot x y w h
    convert "$WORK/$1.png" -crop "${4}x${5}+${2}+${3}" +repage -resize 1x1\! -depth 8 \
        -format "%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]" info:
}

# Fraction (0..1) of differing pixels between two shots in a region, with a
# small colour tolerance.
region_diff() { # shotA shotB x y w h
    convert "$WORK/$1.png" -crop "${5}x${6}+${3}+${4}" +repage "$WORK/diff_a.png"
    convert "$WORK/$2.png" -crop "${5}x${6}+${3}+${4}" +repage "$WORK/diff_b.png"
    compare -metric AE -fuzz 5% "$WORK/diff_a.png" "$WORK/diff_b.png" null: 2>&1 |
        awk -v n=$(( $5 * $6 )) '{ printf "%.4f\n", $1 / n }'
}

# Polls until a command succeeds, up to $1 tenths of a second.
poll() {
    local tries=$1
    shift
    for _ in $(seq 1 "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Turns the view as a player moving the mouse by (dx, dy) pixels would, in
# small steps (mouse look follows the mouse's movement, not the pointer).
look_by() { # dx dy
    local i steps=10
    for i in $(seq 1 $steps); do
        xdotool mousemove_relative -- $(( $1 / steps )) $(( $2 / steps ))
        sleep 0.05
    done
}

# Moves the pointer to, or clicks at, window coordinates.
point_at() { xdotool mousemove $(( WX + $1 )) $(( WY + $2 )); }
click_at() { xdotool mousemove $(( WX + $1 )) $(( WY + $2 )) sleep 0.05 click 1; }

# Clicks the box of panel row $1, clears $2 characters and types $3.
type_into_row() {
    click_at $WIDGET_X "$(row_y "$1")"
    sleep 0.3
    for _ in $(seq 1 "$2"); do xdotool key BackSpace; done
    xdotool type --delay 50 "$3"
    sleep 0.3
}

# Pixel row of the middle of status-screen row k (0 = the first row, at 83) in
# an 800 x 600 window, and the x of the widget column.
row_y() { echo $(( 111 + 30 * $1 )); }
WIDGET_X=320

# Takes screenshots as $1 until region (x y w h) differs from shot $2 in more
# than $7 of its pixels (a fraction), for up to $8 tenths of a second.
wait_for_change() { # name reference x y w h fraction tries
    for _ in $(seq 1 "${8:-100}"); do
        shot "$1"
        awk -v d="$(region_diff "$2" "$1" "$3" "$4" "$5" "$6")" -v f="$7" 'BEGIN { exit !(d > f) }' &&
            return 0
        sleep 0.1
    done
    return 1
}

# Clicks at (x, y) until the region changes against the shot $3 (the click may
# reach the game before its loop runs; a second click in the same frame could
# undo a toggle, so every try waits for a frame or two first).
click_until_change() { # x y reference name rx ry rw rh
    for _ in $(seq 1 20); do
        click_at "$1" "$2"
        wait_for_change "$4" "$3" "$5" "$6" "$7" "$8" 0.02 10 && return 0
    done
    return 1
}

# Waits until the main menu's first button is drawn over the black background;
# the screenshot is left as $1.
wait_for_menu() {
    for _ in $(seq 1 150); do
        shot "$1"
        convert "$WORK/$1.png" -crop 160x18+240+102 +repage -format "%[fx:mean] %[fx:standard_deviation]" info: |
            awk '{ exit !($1 > 0.03 || $2 > 0.01) }' && return 0
        sleep 0.1
    done
    return 1
}

# Tests that judge what is drawn need the shaders and textures in the run folder;
# without them CTest reports the test as skipped (exit code 77), not passed.
require_drawing() {
    if [ -z "$(ls -A "$RUN_DIR/Shaders" 2>/dev/null)" ] || [ -z "$(ls -A "$RUN_DIR/Textures" 2>/dev/null)" ]; then
        echo "SKIP: the run folder has no shaders or textures to draw with"
        exit 77
    fi
}

# Mean brightness (0..1) of a region of a shot.
region_brightness() { # shot x y w h
    convert "$WORK/$1.png" -crop "${4}x${5}+${2}+${3}" +repage -format "%[fx:mean]" info:
}

# Starts the game and waits for its main menu (left as shot "menu"), with the
# pointer in the middle of the window.
open_menu() {
    start_game
    wait_for_window
    point_at 400 300
    wait_for_menu menu || fail "the main menu was not drawn"
}

# Clicks at (x, y) until a command succeeds, giving it up to 2 s after each
# click (the first clicks may reach the game before the screen they aim at);
# $CLICK_TRIES clicks at most, 20 by default.
click_until() { # x y command...
    local x=$1 y=$2 _
    shift 2
    for _ in $(seq 1 "${CLICK_TRIES:-20}"); do
        click_at "$x" "$y"
        poll 20 "$@" && return 0
    done
    return 1
}

# Whether the game has said it is loading Maps/$1.
loading() { grep -q "^Loading: Maps/$1$" "$WORK/out.txt"; }

# Starts the game, opens "Demo Maps" and launches Maps/$1, the only map in the
# scratch folder (so the first row of the list).
launch_only_map() { # file name
    open_menu
    # The list holds the map and "Back", so the menu's third button goes away.
    click_until_change $WIDGET_X "$(row_y 0)" menu load 240 163 160 16 ||
        fail "'Demo Maps' did not open the map list"
    click_until $WIDGET_X "$(row_y 0)" loading "$1" || fail "Maps/$1 was not launched"
    point_at 400 300
}

# Takes shots as $1 until the view holds still in a region (by default the
# middle band; a player who starts above the ground falls first); up to 30 s.
wait_still() { # name [x y w h]
    shot "$1"
    for _ in $(seq 1 100); do
        sleep 0.3
        shot still_next
        awk -v d="$(region_diff "$1" still_next "${2:-0}" "${3:-150}" "${4:-800}" "${5:-300}")" \
            'BEGIN { exit !(d < 0.002) }' && return 0
        cp "$WORK/still_next.png" "$WORK/$1.png"
    done
    return 1
}

# Writes the fixture map into the scratch run folder as Maps/field.map.
make_fixture_map() {
    (cd "$WORK" && "$BUILD_DIR/tools/testmap/vask_testmap" "$GAME/Maps/field.map" >/dev/null 2>&1) ||
        fail "no fixture map"
}

# Builds the fixture map, launches it and waits for the game's view to replace
# the menu.
launch_fixture_map() {
    make_fixture_map
    launch_only_map field.map
    wait_for_change start menu 0 300 800 300 0.3 100 || fail "the game view did not appear"
}

# Whether a conversation shows in a shot taken now as $1: its text box over the
# middle is darker than $2 (0.22 by default) while the field below stays
# bright, unlike the black menu shown before a game.
talking() { # shot [box brightness]
    shot "$1"
    awk -v box="$(region_brightness "$1" 250 140 180 80)" -v field="$(region_brightness "$1" 0 470 800 60)" \
        -v most="${2:-0.22}" 'BEGIN { exit !(box < most && field > 0.15) }'
}
# Waits up to 5 s for the conversation to close (same arguments as talking).
talk_ends() {
    local _
    for _ in $(seq 1 50); do
        talking "$@" || return 0
        sleep 0.1
    done
    return 1
}

# Leaves a game or the editor: Escape, "Quit" on the pause screen, then "Back
# to Menu" on the end screen; the screen it returns to is left as shot $1.
leave_to_menu() { # name
    xdotool key Escape
    wait_rows 11 || fail "no pause screen"
    click_at $WIDGET_X "$(row_y 0)"
    poll 100 ok_bar "$1_end" || fail "no end screen after 'Quit'"
    click_at $WIDGET_X "$(row_y 0)"
    wait_for_change "$1" "$1_end" 500 300 300 300 0.3 100 || fail "'Back to Menu' did not return to the menu"
}

# Presses Escape until the game ends (the first key may beat the menu loop);
# it must end cleanly.
quit_with_escape() {
    poll 200 bash -c "xdotool key Escape; ! kill -0 $GAME_PID 2>/dev/null" || fail "Escape did not end the game"
    wait_for_exit
    [ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE"
    [ "$(tail -n 1 "$WORK/out.txt")" = "Exited cleanly" ] || fail "last line is not 'Exited cleanly'"
}

# Which of the first $2 panel rows of shot $1 hold a button bar, as "1"/"0"
# (a box or an empty row has none); the bar's colour does not depend on the
# world behind it.
panel_rows() {
    local out="" k c
    for k in $(seq 0 $(( $2 - 1 ))); do
        c=$(region_mean "$1" 245 $(( $(row_y "$k") - 5 )) 150 10)
        if awk -v c="$c" 'BEGIN { split(c, v, " "); exit !(v[1] > 60 && v[1] < 84 && v[2] > 75 && v[2] < 99 && v[3] > 101 && v[3] < 125) }'; then
            out="${out}1"
        else
            out="${out}0"
        fi
    done
    echo "$out"
}
# Waits up to 20 s for the panel's rows to show the pattern $1.
wait_rows() {
    for _ in $(seq 1 100); do
        shot rows
        [ "$(panel_rows rows ${#1})" = "$1" ] && return 0
        sleep 0.2
    done
    echo "rows: $(panel_rows rows ${#1}), wanted $1"
    return 1
}
# Whether shot $1 shows the end screen, whose one button is a green "OK" bar.
ok_bar() {
    shot "$1"
    awk -v c="$(region_mean "$1" 245 $(( $(row_y 0) - 5 )) 150 10)" \
        'BEGIN { split(c, v, " "); exit !(v[2] > v[1] + 40 && v[2] > v[3] + 40) }'
}

# Pictures rendered by the tools are judged on several counts at once: a failed
# check is reported and counted, and finish_checks ends the test (keeping the
# pictures of a failed run).
FAILURES=0
soft_fail() {
    echo "FAIL: $*"
    FAILURES=$((FAILURES + 1))
}
check() { # description awk-condition awk-options...
    local what=$1 cond=$2
    shift 2
    awk "$@" "BEGIN { exit !($cond) }" || soft_fail "$what"
}
finish_checks() {
    if [ "$FAILURES" -ne 0 ]; then
        KEEP_WORK=1
        exit 1
    fi
    echo PASS
}
# Mean colour of a region of an image file as "r g b" in 0..1.
image_mean() { # file WxH+X+Y
    convert "$1" -crop "$2" +repage -format "%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]" info:
}

# The share (0..1) of a region's pixels brighter than middle grey: letters on
# a dark ground.
bright_share() { # shot x y w h
    convert "$WORK/$1.png" -crop "${4}x${5}+${2}+${3}" +repage -colorspace gray -threshold 50% -format "%[fx:mean]" info:
}
# The pixel row of the message line's top edge in shot $1: an amber line across
# a dark strip, somewhere in the lower half of the window; empty without one.
notice_edge() { # shot
    local row
    row=$(convert "$WORK/$1.png" -crop 1x270+400+300 +repage -depth 8 txt:- |
        awk -F'[(),:]' 'NR > 1 && $4 > 180 && $5 > 90 && $6 < 80 { print $2 + 300; exit }')
    [ -n "$row" ] || return 0
    # The whole width is amber there, with the dark strip below.
    awk -v e="$(region_mean "$1" 0 "$row" 800 2)" -v s="$(region_mean "$1" 0 $((row + 4)) 800 3)" \
        'BEGIN { split(e, a, " "); split(s, b, " "); exit !(a[1] > 180 && a[2] > 90 && a[3] < 80 && b[1] < 60) }' &&
        echo "$row"
}
# Waits up to 10 s for the message line in shot $1; its edge row goes to $EDGE.
wait_for_notice() { # shot
    for _ in $(seq 1 50); do
        shot "$1"
        EDGE=$(notice_edge "$1")
        [ -n "$EDGE" ] && return 0
        sleep 0.2
    done
    return 1
}
# Waits up to 10 s for shot $1 to show no message line.
wait_for_no_notice() { # shot
    for _ in $(seq 1 50); do
        shot "$1"
        [ -z "$(notice_edge "$1")" ] && return 0
        sleep 0.2
    done
    return 1
}
