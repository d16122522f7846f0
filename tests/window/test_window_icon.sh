# The window carries the game's icon, read back from the X server.
source "$(dirname "$0")/lib.sh"
make_run_folder
start_game
wait_for_window
icon=""
for _ in $(seq 1 100); do
    icon=$(xprop -id "$WINDOW" _NET_WM_ICON 2>/dev/null | head -c 200)
    case "$icon" in *"_NET_WM_ICON(CARDINAL) = "*) break ;; esac
    sleep 0.1
done
case "$icon" in
    *"_NET_WM_ICON(CARDINAL) = "*) ;;
    *) fail "no icon on the window: $icon" ;;
esac
game_errors | grep -q "window icon" && fail "the icon did not load"
point_at 400 300
quit_with_escape
echo PASS
