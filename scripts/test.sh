#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless (unit, widget and end-to-end).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh -DKEDRIN_BUILD_TESTS=ON
cd "${BUILD_DIR:-build}"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
