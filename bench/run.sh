#!/usr/bin/env bash
# Times the four whole runs of the performance table: median wall time and
# peak memory of five runs each, release build.
# Usage: bench/run.sh [path/to/GeoweaveTest]   (default: build/release/app/GeoweaveTest)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
binary=$(realpath "${1:-$root/build/release/app/GeoweaveTest}")
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

printf '| %-28s | %12s | %14s |\n' "Run" "Wall (s)" "Peak (MiB)"
printf '|%s|%s|%s|\n' "------------------------------" "--------------" "----------------"
for args in "" "-v" "-w2048" "-w4096 -t3"; do
  : >times
  : >memory
  for _ in $(seq "$runs"); do
    # shellcheck disable=SC2086
    /usr/bin/time -f '%e %M' -o stats "$binary" $args >/dev/null 2>&1
    read -r wall kb <stats
    echo "$wall" >>times
    echo "$kb" >>memory
    rm -f ./*.bmp
  done
  printf '| %-28s | %12s | %14s |\n' "GeoweaveTest $args" "$(median <times)" \
    "$(median <memory | awk '{printf "%.1f", $1 / 1024}')"
done
