#!/usr/bin/env bash
# Builds the editor and packs it as a Debian package (kedrin_<version>_amd64.deb in build/).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
cd "${BUILD_DIR:-build}"
cpack -G DEB
