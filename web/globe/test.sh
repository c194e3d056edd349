#!/bin/sh
# The browser test of globe.html (test/globe_test.mjs), for CI: installs the
# pinned packages, then checks the page that the built programs make in
# headless Chromium. Needs chromium (or CHROMIUM=path) and GDAL's
# gdallocationinfo; fails when either is missing.
#
# Usage: test.sh BUILD_DIR [ARTIFACTS_DIR]
#   BUILD_DIR holds the built cli/geoweave (e.g. build/release); screenshots
#   go to ARTIFACTS_DIR, else $GEOWEAVE_ARTIFACTS, else BUILD_DIR/globe-test.
set -eu
if [ $# -lt 1 ]; then
  echo "usage: $0 BUILD_DIR [ARTIFACTS_DIR]" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
artifacts=${2:-${GEOWEAVE_ARTIFACTS:-$build/globe-test}}
mkdir -p "$artifacts"
artifacts=$(cd "$artifacts" && pwd)
cd "$(dirname "$0")"
command -v "${CHROMIUM:-/usr/bin/chromium}" >/dev/null || { echo "chromium not found" >&2; exit 1; }
command -v gdallocationinfo >/dev/null || { echo "gdallocationinfo (gdal-bin) not found" >&2; exit 1; }
# tools/install-deps.sh installs them; a checkout without them gets them here.
[ -d node_modules ] || npm ci --no-audit --no-fund --loglevel=error
node test/globe_test.mjs "$build/cli/geoweave" "$artifacts"
