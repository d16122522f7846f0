#!/usr/bin/env bash
# Builds the Debian package of the game (installs under /usr) into build/:
#   bash scripts/package.sh && sudo apt install ./build/the-vask_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
(cd "$BUILD_DIR" && cpack -G DEB)
ls "$BUILD_DIR"/the-vask_*.deb
