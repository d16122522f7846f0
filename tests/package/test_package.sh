# The Debian package as a player gets it: built with CPack, unpacked into a
# scratch root, started through its launcher with a scratch home. The game
# must reach its menu, save the settings screen into the player's folder and
# write nothing into the installed tree; the menu entry and the AppStream
# data must pass their validators.
#   test_package.sh <run folder> <build folder>
source "$(dirname "$0")/../window/lib.sh"
require_drawing

ROOT=$WORK/root
PLAYER_HOME=$WORK/home
FOLDER=$PLAYER_HOME/data/the-vask

# Inside the Xvfb session, so that the display is ready by the time the
# package is.
cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$WORK/pkg" >"$WORK/cpack.txt" 2>&1 ||
    { cat "$WORK/cpack.txt"; fail "cpack could not build the package"; }
DEB=$(ls "$WORK"/pkg/*.deb 2>/dev/null | head -1)
[ -n "$DEB" ] || fail "cpack made no .deb"

# The package: everything under /usr, and the libraries the game needs named.
dpkg-deb -c "$DEB" | awk '{ print $6 }' | grep -v '^\./$' | grep -v '^\./usr/' &&
    fail "the package installs outside /usr"
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
for lib in libsdl2 libglew libpng libc6; do
    echo "$DEPENDS" | grep -q "$lib" || fail "Depends lacks $lib: $DEPENDS"
done

dpkg -x "$DEB" "$ROOT" || fail "dpkg -x failed"
SHARE=$ROOT/usr/share
desktop-file-validate "$SHARE/applications/the-vask.desktop" || fail "the menu entry is not valid"
METAINFO=$(ls "$SHARE"/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$METAINFO" || fail "the AppStream data is not valid"
grep -q "<launchable type=\"desktop-id\">the-vask.desktop</launchable>" "$METAINFO" ||
    fail "the AppStream data does not name the menu entry"
# The entry starts the installed launcher and shows the installed icon.
EXEC=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$SHARE/applications/the-vask.desktop")
ICON=$(sed -n 's/^Icon=//p' "$SHARE/applications/the-vask.desktop")
[ -n "$EXEC" ] && [ -f "$ROOT/usr/bin/$EXEC" ] && [ -x "$ROOT/usr/bin/$EXEC" ] || fail "the menu entry runs '$EXEC', which is not installed"
for size in 48 128 256; do
    [ "$(identify -format '%wx%h' "$SHARE/icons/hicolor/${size}x$size/apps/$ICON.png")" = "${size}x$size" ] ||
        fail "no ${size}x$size icon '$ICON'"
done
# The map tool works from any folder, not only beside the game's data.
(cd "$WORK" && "$ROOT/usr/bin/vaskmap" info "$SHARE/the-vask/Maps/first_steps.map" >"$WORK/info.txt" 2>&1) ||
    fail "vaskmap info failed: $(cat "$WORK/info.txt")"
grep -q '"size":\[' "$WORK/info.txt" || fail "vaskmap info printed no map: $(cat "$WORK/info.txt")"

# Every file of the installed tree with its size and time, to compare after play.
tree_state() { find "$ROOT" -printf '%p %s %T@ %l\n' | sort; }
tree_state >"$WORK/root_before.txt"

# The game starts through the launcher, from the player's folder.
start_game() {
    poll 100 xdotool getdisplaygeometry >/dev/null 2>&1 || fail "the X server never answered"
    (HOME=$PLAYER_HOME XDG_DATA_HOME=$PLAYER_HOME/data exec "$ROOT/usr/bin/the-vask" \
        >"$WORK/out.txt" 2>"$WORK/err.txt") &
    GAME_PID=$!
}

# The rows of the screen in shot $1 that hold a button, as "1"/"0", for up to
# 14 rows; the menu may offer more buttons than the three it starts with.
bars() { panel_rows "$1" 14; }
# The last button of a screen (Settings' "Back", the menu's "Quit").
last_bar() {
    local rows
    rows=$(bars "$1")
    case $rows in
        *1*) rows=${rows%1*} && echo ${#rows} ;;
        *) echo -1 ;;
    esac
}
# The settings screen starts with four number boxes where the menu has buttons.
settings_open() {
    shot settings
    [ "$(bars settings | cut -c1-4)" = "0000" ] && [ "$(last_bar settings)" -ge 4 ]
}

open_menu
QUIT_ROW=$(last_bar menu)
[ "$QUIT_ROW" -ge 2 ] || fail "the menu shows no 'Settings' and 'Quit' buttons: $(bars menu)"
# "Settings" is the button just above "Quit".
click_until $WIDGET_X "$(row_y $((QUIT_ROW - 1)))" settings_open || fail "'Settings' did not open"
BACK_ROW=$(last_bar settings)
click_until $WIDGET_X "$(row_y "$BACK_ROW")" test -f "$FOLDER/settings.ini" ||
    fail "'Back' on the settings screen wrote no settings.ini into $FOLDER"
grep -q "^XRES=" "$FOLDER/settings.ini" || fail "settings.ini holds no settings: $(cat "$FOLDER/settings.ini")"
quit_with_escape
game_errors | grep -q . && fail "the game complained"

# The player's folder: links to the installed data, Maps/ of their own.
for folder in Shaders Textures Sounds Campaign; do
    [ "$(readlink "$FOLDER/$folder")" = "$SHARE/the-vask/$folder" ] || fail "$folder is not a link to the install"
done
[ -d "$FOLDER/Maps" ] && [ ! -L "$FOLDER/Maps" ] || fail "Maps/ is not the player's own folder"
[ -L "$FOLDER/Maps/first_steps.map" ] || fail "the shipped map first_steps has no link"
cmp -s "$FOLDER/campaign.dat" "$SHARE/the-vask/campaign.dat" || fail "campaign.dat is not the shipped one"

# Nothing was written into the installed tree, nor beside the player's folder.
tree_state >"$WORK/root_after.txt"
diff "$WORK/root_before.txt" "$WORK/root_after.txt" || fail "the game or the launcher wrote into the install"
OUTSIDE=$(find "$PLAYER_HOME" -mindepth 1 -not -path "$PLAYER_HOME/data" -not -path "$FOLDER" -not -path "$FOLDER/*")
[ -z "$OUTSIDE" ] || fail "files outside the player's folder: $OUTSIDE"

# A second start reuses the folder: the same campaign.dat file, the settings kept.
CAMPAIGN_INODE=$(stat -c %i "$FOLDER/campaign.dat")
cp "$FOLDER/settings.ini" "$WORK/settings_first.ini"
open_menu
quit_with_escape
[ "$(stat -c %i "$FOLDER/campaign.dat")" = "$CAMPAIGN_INODE" ] || fail "the second start replaced campaign.dat"
cmp -s "$FOLDER/settings.ini" "$WORK/settings_first.ini" || fail "the second start changed settings.ini"
echo PASS
