#!/usr/bin/env bash
# Builds the editor and packs it as a Debian package (kedrin_<version>_amd64.deb in build/), then
# runs lintian on it as a packager would; any error or warning fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
cd "${BUILD_DIR:-build}"
cpack -G DEB
deb=$(ls -t kedrin_*.deb | head -n 1)
if command -v lintian > /dev/null; then
  # --allow-root: lintian otherwise refuses root, which CI and a fresh machine's set-up run as.
  lintian --allow-root --fail-on error,warning "$deb"
  echo "lintian: no errors or warnings in $deb"
fi
