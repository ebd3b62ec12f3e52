#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
"$(dirname "$0")/build.sh" -DKEDRIN_BUILD_TESTS=OFF -DKEDRIN_BUILD_BENCH=OFF
exec "${BUILD_DIR:-build}/src/shell/kedrin" "$@"
