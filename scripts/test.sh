#!/usr/bin/env bash
# Set-up, build, and run every test through CTest:
#   1. the Release build: unit tests and the window tests (real program under Xvfb);
#   2. a clang build with AddressSanitizer + UndefinedBehaviorSanitizer: the unit
#      tests again, then every file-loader fuzz target for a bounded time.
# Set VASK_QUICK=1 to skip stage 2, VASK_SOAK=1 to add the long soak (label soak)
# to stage 1. The Debian package test (label package) runs once, after stage 1.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export SDL_AUDIODRIVER=dummy
# Tests run two at a time; the window tests still run alone (RUN_SERIAL).
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-2}

bash scripts/build.sh
SOAK_ARGS="-LE soak|package"
if [ "${VASK_SOAK:-0}" = "1" ]; then SOAK_ARGS="-LE package"; fi
(cd "${BUILD_DIR:-build}" && ctest --output-on-failure $SOAK_ARGS ${CTEST_ARGS:-})

# The Debian package, unpacked into a scratch root and played from there.
(cd "${BUILD_DIR:-build}" && ctest --output-on-failure -L package ${CTEST_ARGS:-})

if [ "${VASK_QUICK:-0}" = "1" ]; then exit 0; fi

SAN_DIR=${SAN_DIR:-build-san}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
CC=clang CXX=clang++ cmake -S . -B "$SAN_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVASK_FUZZ=ON \
  -DVASK_FUZZ_SECONDS="${VASK_FUZZ_SECONDS:-60}"
cmake --build "$SAN_DIR" -j"${JOBS:-$(nproc)}"
(cd "$SAN_DIR" && ctest --output-on-failure -L 'unit|fuzz' ${CTEST_ARGS:-})
