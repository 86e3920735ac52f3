#!/usr/bin/env bash
# Installs what is missing, builds the course and starts it.
# Arguments are passed to the program (e.g. /Lpfad.txt).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages
configure_and_build -DVELOTRA_TESTS=OFF -DVELOTRA_BENCH=OFF
exec "$BUILD_DIR/velotra" "$@"
