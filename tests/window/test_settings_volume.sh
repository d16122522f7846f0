# The settings screen stores a new volume in settings.ini on "Back", with the
# keys in byte order.
source "$(dirname "$0")/lib.sh"
require_drawing
make_run_folder
printf 'YRES=600\nXRES=800\n' >"$GAME/settings.ini"
open_menu

# "Settings" is the fifth row, under the modes; its screen starts with boxes.
click_until_change $WIDGET_X "$(row_y 4)" menu settings 240 100 160 100 || fail "'Settings' did not open"
type_into_row 3 4 0.8  # the "Volume" box
click_at $WIDGET_X "$(row_y 10)"  # "Back", after four boxes and six buttons
poll 100 grep -q "^VOL=0.8$" "$GAME/settings.ini" || fail "settings.ini has no VOL=0.8: $(cat "$GAME/settings.ini")"
cut -d= -f1 "$GAME/settings.ini" | LC_ALL=C sort -c || fail "keys are not in byte order"
for key in FOV FULLSCREEN SHADOWS SINGULARITY XRES YRES; do
    grep -q "^$key=" "$GAME/settings.ini" || fail "settings.ini lacks $key"
done
quit_with_escape
echo PASS
