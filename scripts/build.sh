#!/usr/bin/env bash
# Installs what is missing, configures and builds into build/ (or $BUILD_DIR).
# Extra arguments go to CMake's configure step; set TARGET to build one target only.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@"
if [ -n "${TARGET:-}" ]; then
  cmake --build "$BUILD_DIR" --target "$TARGET"
else
  cmake --build "$BUILD_DIR"
fi
