#!/usr/bin/env bash
# Times the whole runs of the performance table: median wall time and peak
# memory of five runs each, release build: four of GeoweaveTest, then a
# default geoweave run without and with the GIS and cube-map files.
# Usage: bench/run.sh [path/to/GeoweaveTest]   (default: build/release/app/GeoweaveTest;
# geoweave from GEOWEAVE, default build/release/cli/geoweave)
# CASES="-w8192 -t3;-w16384 -t1" times those GeoweaveTest runs instead
# (argument lists separated by semicolons; an empty entry is the default run).
set -euo pipefail
usage="usage: bench/run.sh [path/to/GeoweaveTest]   (default: build/release/app/GeoweaveTest; GEOWEAVE=path/to/geoweave, default build/release/cli/geoweave; RUNS=N runs each, default 5; CASES='ARGS;ARGS' other GeoweaveTest runs only)"
fail() { echo "run.sh: $1" >&2; exit "${2:-1}"; }

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
cases=("" "-v" "-w2048" "-w4096 -t3")
if [ -n "${CASES+set}" ]; then
  IFS=';' read -r -a cases <<<"$CASES"
  [ ${#cases[@]} -gt 0 ] || cases=("")
else
  geoweave=${GEOWEAVE:-$root/build/release/cli/geoweave}
  if ! [ -f "$geoweave" ] || ! [ -x "$geoweave" ]; then
    fail "no executable $geoweave; build it with: cmake --preset release && cmake --build --preset release"
  fi
  geoweave=$(realpath "$geoweave")
fi
runs=${RUNS:-5}
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || fail "RUNS must be a positive whole number, not '$runs'" 2
[ -x /usr/bin/time ] || fail "/usr/bin/time is needed (Debian package: time)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

# Runs "$@" RUNS times and prints its table row under the name $label.
timeRuns() {
  : >wall_times
  : >memory
  for _ in $(seq "$runs"); do
    status=0
    /usr/bin/time -f '%e %M' -o stats "$@" >/dev/null 2>stderr || status=$?
    if [ "$status" -ne 0 ]; then
      cat stderr >&2
      fail "$label failed with exit status $status"
    fi
    read -r wall kb <stats
    echo "$wall" >>wall_times
    echo "$kb" >>memory
    rm -rf ./*.bmp out
  done
  printf '| %-48s | %12s | %14s |\n' "$label" "$(median <wall_times)" \
    "$(median <memory | awk '{printf "%.1f", $1 / 1024}')"
}

printf '| %-48s | %12s | %14s |\n' "Run" "Wall (s)" "Peak (MiB)"
printf '|%s|%s|%s|\n' "--------------------------------------------------" "--------------" "----------------"
for args in "${cases[@]}"; do
  label="GeoweaveTest $args"
  # shellcheck disable=SC2086
  timeRuns "$binary" $args
done
[ -z "${CASES+set}" ] || exit 0
label="geoweave --out D"
timeRuns "$geoweave" --out out
label="geoweave --out D --geotiff --geojson --cube 1024"
timeRuns "$geoweave" --out out --geotiff --geojson --cube 1024
