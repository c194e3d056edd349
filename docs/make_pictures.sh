#!/usr/bin/env bash
# Remakes the README's pictures: the last frame of a default run with -v.
# Usage: docs/make_pictures.sh [path/to/GeoweaveTest]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
binary=$(realpath "${1:-$root/build/release/app/GeoweaveTest}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && "$binary" -v >/dev/null 2>&1)
python3 "$root/docs/bmp_to_png.py" "$work/grnd0009.bmp" "$root/docs/ground.png"
python3 "$root/docs/bmp_to_png.py" "$work/all0009.bmp" "$root/docs/sheet.png"
