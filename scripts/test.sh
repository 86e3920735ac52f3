#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# the unit and UI tests (gcc build) and short fuzz runs (clang build).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages
configure_and_build -DVELOTRA_WERROR=ON
export QT_QPA_PLATFORM=offscreen
(cd "$BUILD_DIR" && ctest --output-on-failure -j "$JOBS")

FUZZ_DIR="${BUILD_DIR}-fuzz"
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELOTRA_FUZZ_ONLY=ON -DVELOTRA_FUZZ_SECONDS="${VELOTRA_FUZZ_SECONDS:-60}"
cmake --build "$FUZZ_DIR" -j "$JOBS"
(cd "$FUZZ_DIR" && ctest --output-on-failure -j "$JOBS")
