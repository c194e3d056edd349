#!/bin/sh
# Fails when dist/globe.js is not what build.sh makes from src/ and the pinned
# packages: the committed bundle must be the one its sources give.
set -eu
cd "$(dirname "$0")"
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
sh build.sh "$fresh/globe.js"
if ! cmp -s "$fresh/globe.js" dist/globe.js; then
  echo "web/globe/dist/globe.js is out of date: run web/globe/build.sh and commit it" >&2
  exit 1
fi
echo "web/globe/dist/globe.js matches its sources"
