#!/usr/bin/env bash
# Configures and builds the game, its tools, tests and the run folder (build/run/).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-Release} ${CMAKE_ARGS:-}
# Test discovery runs the test binary while building; keep it away from real audio.
SDL_AUDIODRIVER=dummy cmake --build "$BUILD_DIR" -j"${JOBS:-$(nproc)}"
