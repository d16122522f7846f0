# The launcher `the-vask` prepares the player's folder and runs the game from
# it. Here it runs from a small fake install whose "game" only records where
# it was started; the checks are on the folder it leaves behind.
#   test_launcher.sh <configured launcher>
set -u
LAUNCHER=$(readlink -f "$1")
T=$(mktemp -d /tmp/vask_launcher.XXXXXX)
trap 'rm -rf "$T"' EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# An install under $1: the launcher, a game that writes its folder and
# arguments to $T/ran, and a little data.
make_install() {
    mkdir -p "$1/bin" "$1/libexec/the-vask" "$1/share/the-vask/Maps"
    cp "$LAUNCHER" "$1/bin/the-vask"
    printf '#!/bin/sh\npwd >"%s/ran"\necho "$@" >>"%s/ran"\n' "$T" "$T" >"$1/libexec/the-vask/vask"
    chmod +x "$1/libexec/the-vask/vask"
    for folder in Shaders Textures Sounds Campaign; do mkdir -p "$1/share/the-vask/$folder"; done
    echo shipped-a >"$1/share/the-vask/Maps/a.map"
    echo shipped-b >"$1/share/the-vask/Maps/b.map"
    echo fresh >"$1/share/the-vask/campaign.dat"
}

# Runs the launcher with a clean environment plus the given variables.
launch() { # launcher VAR=value...
    local launcher=$1
    shift
    rm -f "$T/ran"
    env -i PATH="$PATH" "$@" "$launcher" --flag >"$T/out" 2>&1
}

link_of() { readlink "$1" 2>/dev/null; }

PREFIX=$T/usr
DATA=$PREFIX/share/the-vask
make_install "$PREFIX"

# First start: HOME alone decides the folder.
HOMEDIR=$T/home
FOLDER=$HOMEDIR/.local/share/the-vask
launch "$PREFIX/bin/the-vask" HOME="$HOMEDIR" || fail "first start: $(cat "$T/out")"
[ "$(head -1 "$T/ran")" = "$FOLDER" ] || fail "the game ran in $(head -1 "$T/ran" 2>/dev/null), not $FOLDER"
[ "$(sed -n 2p "$T/ran")" = "--flag" ] || fail "the game did not get the launcher's arguments"
for folder in Shaders Textures Sounds Campaign; do
    [ "$(link_of "$FOLDER/$folder")" = "$DATA/$folder" ] || fail "$folder links to '$(link_of "$FOLDER/$folder")'"
done
[ -d "$FOLDER/Maps" ] && [ ! -L "$FOLDER/Maps" ] || fail "Maps is not the player's own folder"
[ "$(link_of "$FOLDER/Maps/a.map")" = "$DATA/Maps/a.map" ] || fail "no link to the shipped map a.map"
[ -f "$FOLDER/campaign.dat" ] && [ ! -L "$FOLDER/campaign.dat" ] || fail "campaign.dat is not a copy"
[ "$(cat "$FOLDER/campaign.dat")" = fresh ] || fail "campaign.dat is not the shipped one"

# The player plays: settings, progress, an own map, a shipped map saved over
# from the editor, a texture mod, and a link of their own to a map elsewhere.
echo "VOL=0.8" >"$FOLDER/settings.ini"
echo progress >"$FOLDER/campaign.dat"
echo mine >"$FOLDER/Maps/mine.map"
rm "$FOLDER/Maps/a.map" && echo edited >"$FOLDER/Maps/a.map"
rm "$FOLDER/Textures" && mkdir "$FOLDER/Textures" && echo mod >"$FOLDER/Textures/stone.png"
ln -s /nowhere/usb/far.map "$FOLDER/Maps/far.map"
# An upgrade ships c.map and drops b.map.
echo shipped-c >"$DATA/Maps/c.map"
rm "$DATA/Maps/b.map"

launch "$PREFIX/bin/the-vask" HOME="$HOMEDIR" || fail "second start: $(cat "$T/out")"
[ "$(cat "$FOLDER/settings.ini")" = "VOL=0.8" ] || fail "settings.ini changed"
[ "$(cat "$FOLDER/campaign.dat")" = progress ] || fail "the campaign progress was replaced"
[ "$(cat "$FOLDER/Maps/mine.map")" = mine ] || fail "the player's map changed"
[ ! -L "$FOLDER/Maps/a.map" ] && [ "$(cat "$FOLDER/Maps/a.map")" = edited ] || fail "the edited a.map was replaced"
[ "$(cat "$FOLDER/Textures/stone.png")" = mod ] || fail "the texture mod was replaced"
[ "$(link_of "$FOLDER/Maps/c.map")" = "$DATA/Maps/c.map" ] || fail "the upgrade's new map has no link"
[ ! -L "$FOLDER/Maps/b.map" ] || fail "the removed map's link is still there"
[ -L "$FOLDER/Maps/far.map" ] || fail "the player's own link was removed"
ls "$FOLDER" | grep -q "campaign.dat.new" && fail "a temporary copy was left behind"

# The install moved (say from /usr/local to /usr): links follow it. The
# launcher may be reached through a link of its own, as from /usr/games.
mv "$PREFIX" "$T/moved"
mkdir -p "$T/games" && ln -s "$T/moved/bin/the-vask" "$T/games/the-vask"
launch "$T/games/the-vask" HOME="$HOMEDIR" || fail "start after the move: $(cat "$T/out")"
[ "$(link_of "$FOLDER/Shaders")" = "$T/moved/share/the-vask/Shaders" ] || fail "Shaders still links to the old place"
[ "$(link_of "$FOLDER/Maps/c.map")" = "$T/moved/share/the-vask/Maps/c.map" ] || fail "c.map still links to the old place"

# An absolute XDG_DATA_HOME is used; a relative one is not a valid setting.
launch "$T/moved/bin/the-vask" HOME="$HOMEDIR" XDG_DATA_HOME="$T/xdg" || fail "XDG start: $(cat "$T/out")"
[ "$(head -1 "$T/ran")" = "$T/xdg/the-vask" ] || fail "XDG_DATA_HOME was not used"
(cd "$T" && launch "$T/moved/bin/the-vask" HOME="$HOMEDIR" XDG_DATA_HOME=rel) || fail "relative XDG start"
[ "$(head -1 "$T/ran")" = "$FOLDER" ] || fail "a relative XDG_DATA_HOME was used"
[ ! -e "$T/rel" ] || fail "a folder was made under the relative XDG_DATA_HOME"

# With no home at all the launcher says so and does not start the game.
if launch "$T/moved/bin/the-vask"; then fail "started without HOME"; fi
[ ! -e "$T/ran" ] || fail "the game ran without a folder"
grep -q "HOME" "$T/out" || fail "no word about HOME: $(cat "$T/out")"
echo PASS
