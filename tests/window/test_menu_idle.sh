# While the main menu waits, the logo keeps moving and the menu beside it stays
# whole, however the frames are shown (the menu redraws only the logo then).
source "$(dirname "$0")/lib.sh"
make_run_folder
open_menu
sleep 1
shot idle_a
sleep 0.7
shot idle_b
# The logo's letters, to the right of the menu.
moved=$(region_diff idle_a idle_b 440 40 340 200)
check "the logo stood still while the menu waited (changed share $moved)" "m > 0.01" -v m="$moved"
# The menu's own rows, which nothing should touch.
kept=$(region_diff idle_a idle_b 10 60 400 220)
check "the menu changed while nothing happened (changed share $kept)" "k == 0" -v k="$kept"
read -r r g b <<<"$(image_mean "$WORK/idle_b.png" 240x16+240+104)"
check "the first button is not drawn ($r $g $b)" "r + g + b > 0.45" -v r="$r" -v g="$g" -v b="$b"
quit_with_escape
finish_checks
