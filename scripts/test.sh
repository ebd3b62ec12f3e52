#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless (unit, widget and end-to-end).
set -euo pipefail
cd "$(dirname "$0")/.."
"$(dirname "$0")/build.sh"
BUILD_DIR=${BUILD_DIR:-build}
cd "$BUILD_DIR"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
