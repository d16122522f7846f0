#!/usr/bin/env bash
# Set-up, build, and start The Vask in its run folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cd "${BUILD_DIR:-build}/run"
exec ./vask
