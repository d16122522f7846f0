#!/usr/bin/env bash
# Renders the pictures a drawing change must leave alone, so that two builds
# can be compared image by image:
#   tools/bench/picture_set.sh RUN_DIR TOOLS_DIR OUT_DIR
# RUN_DIR is a run folder (Shaders/, Textures/, Maps/), TOOLS_DIR holds
# vask_screenshot, vask_machine_scene, shadercheck and vask_render_fixtures.
# Then: tools/bench/picture_diff.sh BEFORE_DIR AFTER_DIR
set -euo pipefail
run=$(cd "$1" && pwd); tools=$(cd "$2" && pwd); mkdir -p "$3"; out=$(cd "$3" && pwd)
export SDL_AUDIODRIVER=dummy
maps=$(mktemp -d)
trap 'rm -rf "$maps"' EXIT
"$tools/vask_render_fixtures" "$maps" >/dev/null 2>&1
xvfb() { xvfb-run -a -s "-screen 0 1024x768x24" "$@" >/dev/null 2>&1; }
shot() { (cd "$run" && xvfb "$tools/vask_screenshot" "$@"); }
mkdir -p "$out/modes"
xvfb "$tools/shadercheck" "$run/Shaders" --preview "$out/modes" "$run/Textures" || echo "shadercheck failed" >&2
shot --map "$maps/terrain.map" --pos 45,54,60 --yaw 220 --pit 20 --shadows 3 --sun 220,160,150 --out "$out/vask-valley.png"
shot --map "$maps/scene.map" --pos 36,40,4 --yaw 210 --pit 22 --shadows 3 --sun -150,220,180 --out "$out/shadows.png"
(cd "$run" && xvfb "$tools/vask_machine_scene" --out "$out/machines.png")
for s in 0 3; do
    shot --map "$run/Maps/first_steps.map" --shadows $s --out "$out/first-steps-s$s.png"
    shot --map "$maps/skirmish.map" --yaw 270 --pit 10 --shadows $s --out "$out/skirmish-s$s.png"
done
ls "$out" "$out/modes" | wc -l
