# Without its shader programs the game cannot draw: instead of a black window
# it says what is wrong in words, waits for a key and exits with code 1. Once
# with no Shaders folder, once with a program that does not compile.
source "$(dirname "$0")/lib.sh"
require_drawing

# Starts the game in $GAME, waits for words on its window (shot $1), checks
# standard error for $2, then a key must end it with exit code 1.
expect_failure_screen() { # shot message
    start_game
    wait_for_window
    local shown=""
    for _ in $(seq 1 100); do
        shot "$1"
        # A title line and the message below it, light on dark.
        awk -v t="$(bright_share "$1" 40 50 400 40)" -v m="$(bright_share "$1" 40 120 700 120)" \
            -v bg="$(region_brightness "$1" 0 560 800 40)" 'BEGIN { exit !(t > 0.03 && m > 0.03 && bg < 0.2) }' &&
            shown=1 && break
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended without showing why"
        sleep 0.2
    done
    [ -n "$shown" ] || fail "no failure screen with words on it"
    grep -qF "$2" "$WORK/err.txt" || fail "standard error does not say '$2'"
    point_at 400 300
    poll 100 bash -c "xdotool key Return; ! kill -0 $GAME_PID 2>/dev/null" || fail "a key did not close the failure screen"
    wait_for_exit
    [ "$EXIT_CODE" -eq 1 ] || fail "exit code $EXIT_CODE, not 1"
    grep -q "^Exited cleanly$" "$WORK/out.txt" && fail "a failed start claims to have exited cleanly"
    true
}

make_run_folder
rm "$GAME/Shaders"
expect_failure_screen missing "The folder Shaders is missing"

# A copy of the shaders with a fragment stage that is not GLSL.
rm -rf "$WORK/game"
make_run_folder
rm "$GAME/Shaders"
cp -r "$RUN_DIR/Shaders" "$GAME/Shaders"
echo "this is not a shader" >"$GAME/Shaders/post.frag"
expect_failure_screen broken "program post in the folder Shaders did not compile or link"
echo PASS
