#!/usr/bin/env bash
# Remakes the README's geoweave pictures from a default run: the final ground
# map, an 8-bit preview of the 16-bit heightmap, the cross of the six
# ground cube faces, the biome map and the legend.
# Usage: docs/make_final_pictures.sh [path/to/geoweave]
set -euo pipefail
usage="usage: docs/make_final_pictures.sh [path/to/geoweave]   (default: build/release/cli/geoweave)"
fail() { echo "make_final_pictures.sh: $1" >&2; exit "${2:-1}"; }

case "${1:-}" in
  -h | --help) echo "$usage"; exit 0 ;;
  -*) echo "$usage" >&2; exit 2 ;;
esac
[ $# -le 1 ] || { echo "$usage" >&2; exit 2; }

root=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-$root/build/release/cli/geoweave}
if ! [ -f "$binary" ] || ! [ -x "$binary" ]; then
  fail "no executable $binary; build it with: cmake --preset release && cmake --build --preset release"
fi
command -v python3 >/dev/null 2>&1 || fail "python3 is needed to make the heightmap preview and the cross"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$binary" --quiet --cube 256 --out "$work" ||
  fail "$binary --cube 256 --out $work failed with exit status $?"
cp "$work/ground.png" "$root/docs/final-ground.png"
cp "$work/biomes.png" "$root/docs/final-biomes.png"
cp "$work/legend.png" "$root/docs/legend.png"
python3 "$root/docs/height_preview.py" "$work/height.png" "$root/docs/final-height-preview.png"
python3 "$root/docs/cube_cross.py" "$work/cube" "$root/docs/cube-cross.png"
