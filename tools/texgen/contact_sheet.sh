#!/usr/bin/env bash
# Builds a labelled overview of every generated texture, scaled up with
# nearest-neighbour sampling over a checkerboard (so alpha shows), for
# reviewing the art: contact_sheet.sh <Textures folder> <output.png>
set -euo pipefail
src=$1
out=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Integer zoom so a picture's longer side lands near 96-320 pixels.
zoom() {
  local w h
  read -r w h < <(identify -format '%w %h' "$1")
  if [ "$w" -ge 128 ]; then echo 2; elif [ "$w" -ge 64 ]; then echo 3; else echo 6; fi
}

group() {  # group <name> <tile size> <backdrop> <files...>
  local name=$1 tile=$2 backdrop=$3
  shift 3
  local args=()
  for f in "$@"; do
    local z
    z=$(zoom "$f")
    local base
    base=$(basename "$f" .png)
    convert "$f" -filter point -resize "$((z * 100))%" "$tmp/$base.png"
    args+=(-label "$base" "$tmp/$base.png")
  done
  montage "${args[@]}" $backdrop -background '#20242c' -fill white \
    -font DejaVu-Sans -pointsize 11 -tile "$tile" -geometry +6+6 "$tmp/group_$name.png"
}

blocks=(vask mind deadMind matterBlock genBlock capBlock relayBlock sensorBlock machine broke obj
        stone stoneDark stoneSand BBlock dirt grass grass2 grass3 grass4 grass5 clover trunk leaves
        water redDesert brick road road2 road3 roof roof2 conc1 conc2 woodTile marble wood pine
        window pink blue green wheel metal rolldoor fence redC goldE goldA energycube gun)
icons=(matter gens caps relay sensor energy add box2 removeIcon breakIcon activate deactivate
       reticle ship turret m1 m2 dne beam white1)
wide=(button unbutton asept unsept wizard2 box on off low med high Fgens Fcaps Frelay Fsensor
      SCmatter SCgens SCrelay SCsensor)
small=(play noplay "very easy" easy normal hard insane)
scenery=(sun blackground ship2 country)
portraits=(portraitCommander portraitEngineer portraitScientist portraitPilot portraitVask)
checker="-texture pattern:checkerboard"

files() { for n in "$@"; do printf '%s\n' "$src/$n.png"; done; }
mapfile -t f < <(files "${blocks[@]}"); group blocks 11x "$checker" "${f[@]}"
mapfile -t f < <(files "${icons[@]}"); group icons 10x "$checker" "${f[@]}"
mapfile -t f < <(files "${wide[@]}"); group wide 4x "$checker" "${f[@]}"
mapfile -t f < <(files "${small[@]}"); group small 7x "$checker" "${f[@]}"
mapfile -t f < <(files "${scenery[@]}"); group scenery 4x "$checker" "${f[@]}"
mapfile -t f < <(files "${portraits[@]}"); group portraits 5x "$checker" "${f[@]}"
mapfile -t f < <(files TextAB); group text 1x "" "${f[@]}"
convert "$tmp"/group_{blocks,icons,wide,small,scenery,portraits,text}.png \
  -background "#20242c" -gravity center -append +repage -depth 8 "$out"
