#!/bin/bash
# Renders the starting view of every demo map into docs/maps/<name>.png with the
# screenshot tool. Run after a build: tools/mapbuild/previews.sh [build dir]
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
shot="$build/tools/screenshot/vask_screenshot"
[ -x "$shot" ] || { echo "no screenshot tool at $shot: build the vask_screenshot target first" >&2; exit 1; }
mkdir -p "$repo/docs/maps"
cd "$build/run"
for src in "$repo"/tools/mapbuild/maps/*.vmap; do
    grep -q '^folder Maps' "$src" || continue
    name=$(basename "$src" .vmap)
    SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24" \
        "$shot" --map "Maps/$name.map" --size 800x600 --frames 3 --out "$repo/docs/maps/$name.png" > /dev/null
    echo "docs/maps/$name.png"
done
