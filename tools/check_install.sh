#!/usr/bin/env bash
# Installs the release build into an empty prefix, checks what lands there,
# builds the example consumer against the installed CMake package and
# pkg-config file, checks that its statistics line is GeoweaveTest's and
# that the planet folder it exports holds geoweave's files.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
for path in bin/GeoweaveTest bin/geoweave lib/libgeoweave.a include/geoweave/geoweave.h \
            include/geoweave/planet.h include/geoweave/export.h include/geoweave/biome.h \
            include/geoweave/color_key.h \
            lib/cmake/Geoweave/GeoweaveConfig.cmake \
            lib/pkgconfig/geoweave.pc share/man/man1/GeoweaveTest.1 share/man/man1/geoweave.1 \
            share/doc/geoweave/LICENSE share/bash-completion/completions/geoweave \
            share/zsh/site-functions/_geoweave; do
  [ -e "$prefix/$path" ] || { echo "install check: $path is missing" >&2; exit 1; }
done

# The completions: valid scripts; bash offers --width for --wi and every long
# option geoweave --help lists (so a new option cannot be left out).
bash_completion=$prefix/share/bash-completion/completions/geoweave
bash -n "$bash_completion" || { echo "install check: the bash completion does not parse" >&2; exit 1; }
if command -v zsh >/dev/null; then
  zsh -n "$prefix/share/zsh/site-functions/_geoweave" ||
    { echo "install check: the zsh completion does not parse" >&2; exit 1; }
fi
completed() {
  bash -c 'source "$1"; complete -p geoweave >/dev/null || exit 1
COMP_WORDS=(geoweave "$2"); COMP_CWORD=1; _geoweave; printf "%s\n" "${COMPREPLY[@]}"' _ \
    "$bash_completion" "$1"
}
[ "$(completed --wi)" = --width ] ||
  { echo "install check: bash does not complete --wi to --width" >&2; exit 1; }
offered=$(completed --)
for option in $("$prefix/bin/geoweave" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -qx -- "$option" <<<"$offered" || {
    echo "install check: the bash completion does not offer $option" >&2
    exit 1
  }
  grep -qF -e "$option=[" -e "$option[" -e "$option}" "$prefix/share/zsh/site-functions/_geoweave" || {
    echo "install check: the zsh completion does not offer $option" >&2
    exit 1
  }
done
# Only the public headers are installed.
extra=$(find "$prefix/include" -type f ! -path "$prefix/include/geoweave/*")
[ -z "$extra" ] || { echo "install check: unexpected headers: $extra" >&2; exit 1; }

cmake -S examples/consumer -B "$work/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/consumer" >/dev/null
"$work/consumer/consumer" 64 2 7 "$work/folder" >"$work/consumer.txt"
(cd "$work" && "$prefix/bin/GeoweaveTest" -s7 -w64 -t2 >/dev/null 2>"$work/program.txt")
head -n 2 "$work/program.txt" >"$work/statistics.txt"
if ! cmp -s "$work/consumer.txt" "$work/statistics.txt"; then
  echo "install check: the consumer's statistics differ from GeoweaveTest's" >&2
  diff "$work/consumer.txt" "$work/statistics.txt" >&2 || true
  exit 1
fi

# The folder the consumer exported: a record that parses and lists the
# files, and each file the bytes geoweave writes for the same planet.
"$prefix/bin/geoweave" --seed 7 --width 64 --turns 2 --quiet --out "$work/geoweave"
check_folder() {
  python3 -c 'import json, sys
record = json.load(open(sys.argv[1] + "/planet.json"))
assert record["files"] == ["ground.png", "sheet.png", "height.png", "mask.png", "biomes.png",
                           "legend.png", "planet.json"], record["files"]' \
    "$1" || { echo "install check: $2 wrote no planet.json or a wrong one" >&2; exit 1; }
  for name in ground.png sheet.png height.png mask.png biomes.png legend.png planet.json; do
    cmp -s "$1/$name" "$work/geoweave/$name" ||
      { echo "install check: $2's $name is not geoweave's" >&2; exit 1; }
  done
}
check_folder "$work/folder" "the consumer"

# The same program through pkg-config (plain --libs brings the libraries of
# the static library's file writers too).
PKG_CONFIG_PATH="$prefix/lib/pkgconfig" g++ -std=c++17 examples/consumer/consumer.cpp \
  $(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs geoweave) \
  -o "$work/consumer-pc"
"$work/consumer-pc" 64 2 7 "$work/folder-pc" | cmp -s - "$work/statistics.txt" ||
  { echo "install check: the pkg-config build differs" >&2; exit 1; }
check_folder "$work/folder-pc" "the pkg-config build"
echo "install check: prefix complete; the consumer agrees with GeoweaveTest and exports its folder"
