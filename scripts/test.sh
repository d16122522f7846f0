#!/usr/bin/env bash
# Set-up, build, and run every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cd "${BUILD_DIR:-build}"
SDL_AUDIODRIVER=dummy ctest --output-on-failure ${CTEST_ARGS:-}
