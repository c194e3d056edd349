#!/usr/bin/env bash
# Remakes the README's pictures: the last frame of a default run with -v.
# Usage: docs/make_pictures.sh [path/to/GeoweaveTest]
set -euo pipefail
usage="usage: docs/make_pictures.sh [path/to/GeoweaveTest]   (default: build/release/app/GeoweaveTest)"
fail() { echo "make_pictures.sh: $1" >&2; exit "${2:-1}"; }

case "${1:-}" in
  -h | --help) echo "$usage"; exit 0 ;;
  -*) echo "$usage" >&2; exit 2 ;;
esac
[ $# -le 1 ] || { echo "$usage" >&2; exit 2; }

root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 1 ]; then
  if ! [ -f "$1" ] || ! [ -x "$1" ]; then fail "$1 is not an executable file" 2; fi
  binary=$(realpath "$1")
else
  binary=$root/build/release/app/GeoweaveTest
  if ! [ -f "$binary" ] || ! [ -x "$binary" ]; then
    fail "no $binary; build it with: cmake --preset release && cmake --build --preset release"
  fi
fi
command -v python3 >/dev/null 2>&1 || fail "python3 is needed to write the PNG files"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The run's own messages are kept aside and shown only when it fails.
status=0
(cd "$work" && "$binary" -v >/dev/null 2>stderr) || status=$?
if [ "$status" -ne 0 ]; then
  cat "$work/stderr" >&2
  fail "$binary -v failed with exit status $status"
fi
python3 "$root/docs/bmp_to_png.py" "$work/grnd0009.bmp" "$root/docs/ground.png"
python3 "$root/docs/bmp_to_png.py" "$work/all0009.bmp" "$root/docs/sheet.png"
