# A window that cannot be opened ends the program with its size and exit code 1.
source "$(dirname "$0")/lib.sh"
make_run_folder
printf 'XRES=123456\n' >"$GAME/settings.ini"
start_game
wait_for_exit
[ "$EXIT_CODE" -eq 1 ] || fail "exit code $EXIT_CODE"
grep -q "^Unable to start video: " "$WORK/out.txt" || fail "no 'Unable to start video' line"
[ "$(tail -n 1 "$WORK/out.txt")" = "123456x600" ] || fail "standard output does not end with 123456x600"
echo PASS
