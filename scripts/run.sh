#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it; arguments are diagrams to open.
set -euo pipefail
cd "$(dirname "$0")/.."
TARGET=kedrin ./scripts/build.sh
exec "${BUILD_DIR:-build}/src/shell/kedrin" "$@"
