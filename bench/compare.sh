#!/usr/bin/env bash
# Compares two release builds run by run: each case runs RUNS times (default
# 5) with the two builds alternating, so that a busy spell of the machine
# falls on both, and prints the median wall time, processor time (user +
# system) and peak memory of each, and the ratios new / old.
# Usage: bench/compare.sh OLD_BUILD_DIR NEW_BUILD_DIR   (each holding
# app/GeoweaveTest and cli/geoweave, e.g. build/release of two checkouts)
# CASES='GeoweaveTest ARGS;geoweave ARGS' replaces the default cases
# (semicolons between them; geoweave's runs get --quiet --out of their own).
set -euo pipefail
usage="usage: bench/compare.sh OLD_BUILD_DIR NEW_BUILD_DIR   (RUNS=N, CASES='PROGRAM ARGS;...')"
fail() { echo "compare.sh: $1" >&2; exit "${2:-1}"; }
case "${1:-}" in -h | --help) echo "$usage"; exit 0 ;; esac
[ $# -eq 2 ] || { echo "$usage" >&2; exit 2; }
old=$(realpath "$1") new=$(realpath "$2")
for build in "$old" "$new"; do
  for program in app/GeoweaveTest cli/geoweave; do
    [ -x "$build/$program" ] || fail "no $build/$program" 2
  done
done
runs=${RUNS:-5}
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || fail "RUNS must be a positive whole number, not '$runs'" 2
[ -x /usr/bin/time ] || fail "/usr/bin/time is needed (Debian package: time)"
cases=("GeoweaveTest" "GeoweaveTest -v" "geoweave" "geoweave --geotiff --geojson --cube 1024")
[ -z "${CASES:-}" ] || IFS=';' read -r -a cases <<<"$CASES"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

# Runs one case of one build once in its own folder, appending
# "wall cpu peakKiB" to $work/$2.
runOnce() {
  local build=$1 side=$2 program=$3
  shift 3
  rm -rf "${work:?}/$side.dir" && mkdir "$work/$side.dir"
  local binary=$build/app/GeoweaveTest extra=()
  if [ "$program" = geoweave ]; then
    binary=$build/cli/geoweave
    extra=(--quiet --out "$work/$side.dir/out")
  fi
  (cd "$work/$side.dir" && /usr/bin/time -f '%e %U %S %M' -o "$work/stats" \
    "$binary" "$@" "${extra[@]}" >/dev/null 2>"$work/stderr") ||
    { cat "$work/stderr" >&2; fail "$side: $program $* failed"; }
  awk '{printf "%s %.2f %s\n", $1, $2 + $3, $4}' "$work/stats" >>"$work/$side"
}

printf '| %-50s | %20s | %20s | %20s |\n' "Run" "Wall old/new (s)" "CPU old/new (s)" "Peak old/new (MiB)"
printf '|%s|%s|%s|%s|\n' "----------------------------------------------------" "----------------------" \
  "----------------------" "----------------------"
for entry in "${cases[@]}"; do
  read -r -a words <<<"$entry"
  program=${words[0]}
  [ "$program" = GeoweaveTest ] || [ "$program" = geoweave ] || fail "unknown program in '$entry'" 2
  : >"$work/old"
  : >"$work/new"
  for _ in $(seq "$runs"); do
    runOnce "$old" old "${words[@]}"
    runOnce "$new" new "${words[@]}"
  done
  cell() {
    local column=$1 a b
    a=$(cut -d' ' -f"$column" "$work/old" | median)
    b=$(cut -d' ' -f"$column" "$work/new" | median)
    if [ "$column" = 3 ]; then
      a=$(awk -v k="$a" 'BEGIN {printf "%.1f", k / 1024}')
      b=$(awk -v k="$b" 'BEGIN {printf "%.1f", k / 1024}')
    fi
    awk -v a="$a" -v b="$b" 'BEGIN {printf "%s / %s (%.2f)", a, b, (a > 0 ? b / a : 0)}'
  }
  printf '| %-50s | %20s | %20s | %20s |\n' "$entry" "$(cell 1)" "$(cell 2)" "$(cell 3)"
done
