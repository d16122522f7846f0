# Escape on the main menu ends the program cleanly.
source "$(dirname "$0")/lib.sh"
make_run_folder
start_game
wait_for_window
point_at 400 300
quit_with_escape
echo PASS
