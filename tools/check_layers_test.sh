#!/usr/bin/env bash
# Plants each kind of bad include or CMake link in a small tree shaped like the
# repository and checks that check_layers.sh reports it, and only it; the tree
# itself must pass.
set -euo pipefail
checker="$(cd "$(dirname "$0")" && pwd)/check_layers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

put() {  # put FILE TEXT (printf escapes)
  mkdir -p "$(dirname "$1")"
  printf '%b' "$2" >"$1"
}

clean=$work/clean
put "$clean/CMakeLists.txt" 'set(GEOWEAVE_LAYERS base grid world image geoweave)\n'
put "$clean/base/CMakeLists.txt" 'geoweave_layer(base SOURCES a.cpp)\n'
put "$clean/base/a.h" '#pragma once\n'
put "$clean/grid/CMakeLists.txt" 'geoweave_layer(\n  grid # tiles\n  SOURCES g.cpp\n  DEPENDS base)\n'
put "$clean/grid/g.h" '#include "base/a.h"\n'
put "$clean/world/CMakeLists.txt" \
  'add_library(geoweave_world INTERFACE)\ntarget_link_libraries(geoweave_world INTERFACE\n  geoweave_grid)\n'
put "$clean/world/w.h" '#include <grid/g.h>\n'
# Only image's unit test uses world, and unit_tests links everything.
put "$clean/image/CMakeLists.txt" \
  'geoweave_layer(image SOURCES i.cpp DEPENDS base)\ntarget_sources(unit_tests PRIVATE i_test.cpp)\n'
put "$clean/image/i.h" '#include "base/a.h"\n'
put "$clean/image/i_test.cpp" '#include "image/i.h"\n#include "world/w.h"\n'
put "$clean/geoweave/CMakeLists.txt" \
  'geoweave_layer(geoweave SOURCES p.cpp DEPENDS world image)\nset(GEOWEAVE_PUBLIC_HEADERS planet.h)\n'
put "$clean/geoweave/planet.h" '#include <string>\n'
put "$clean/geoweave/detail.h" '#pragma once\n'
put "$clean/geoweave/p.cpp" '#include "planet.h"\n#include "detail.h"\n#include "world/w.h"\n#include "image/i.h"\n'
put "$clean/export/CMakeLists.txt" \
  'add_library(geoweave_export STATIC e.cpp)\ntarget_link_libraries(geoweave_export PUBLIC geoweave\n  PRIVATE PNG::PNG)\n'
put "$clean/export/e.h" '#include "geoweave/planet.h"\n'
put "$clean/app/CMakeLists.txt" 'add_executable(App main.cpp)\ntarget_link_libraries(App PRIVATE geoweave)\n'
put "$clean/app/options.h" '#include "geoweave/planet.h"\n'
put "$clean/app/options_test.cpp" '#include "app/options.h"\n'
put "$clean/cli/CMakeLists.txt" \
  'add_library(geoweave_cli STATIC run.cpp)\ntarget_link_libraries(geoweave_cli PUBLIC geoweave_export)\n'
put "$clean/cli/run.h" '#include "export/e.h"\n'
put "$clean/tests/CMakeLists.txt" 'add_executable(t t.cpp)\ntarget_link_libraries(t PRIVATE geoweave_export)\n'
put "$clean/tests/t.cpp" '#include "export/e.h"\n#include "grid/g.h"\n'
put "$clean/bench/CMakeLists.txt" 'add_executable(b b.cpp)\ntarget_link_libraries(b PRIVATE geoweave)\n'
put "$clean/bench/b.cpp" '#include "image/i.h"\n'
put "$clean/examples/consumer/consumer.cpp" '#include <geoweave/planet.h>\n'

if ! "$checker" "$clean" >/dev/null 2>&1; then
  echo "check_layers_test: the clean tree fails:"
  "$checker" "$clean" || true
  exit 1
fi

reported() {  # reported PREFIX: a line of the input starts with PREFIX
  local line
  while IFS= read -r line; do [[ $line == "$1"* ]] && return 0; done
  return 1
}

failed=0
try() {  # try FILE TEXT EXPECTED: FILE with TEXT must be the one offence, reported as EXPECTED
  rm -rf "$work/case"
  cp -r "$clean" "$work/case"
  put "$work/case/$1" "$2"
  local out
  if out=$("$checker" "$work/case" 2>&1); then
    echo "not caught: $1: $2"
    failed=1
  elif ! reported "$3" <<<"$out" || ! grep -qF "failed: 1 offence" <<<"$out"; then
    printf 'wrong report for %s, expected only "%s":\n%s\n' "$1" "$3" "$out"
    failed=1
  fi
}
try grid/angle.cpp '#include <image/i.h>\n' 'grid/angle.cpp:1: #include <image/i.h>'
try base/indent.cpp ' \t#include "grid/g.h"\n' 'base/indent.cpp:1'
try world/hash.cpp '#\t include "image/i.h"\n' 'world/hash.cpp:1'
try grid/relative.cpp '#include "../world/w.h"\n' 'grid/relative.cpp:1'
try base/sub/deep.h '#include "grid/g.h"\n' 'base/sub/deep.h:1'
try world/w.inl '#include "geoweave/planet.h"\n' 'world/w.inl:1'
try tests/cli_test.cpp '#include "cli/run.h"\n' 'tests/cli_test.cpp:1'
try bench/app.cpp '#include <app/options.h>\n' 'bench/app.cpp:1'
try examples/consumer/detail.cpp '#include "geoweave/detail.h"\n' 'examples/consumer/detail.cpp:1'
try geoweave/planet.h '#include "image/i.h"\n' 'geoweave/planet.h:1'
try grid/CMakeLists.txt 'geoweave_layer(grid SOURCES g.cpp)\n' 'grid/CMakeLists.txt: grid includes base'
try image/CMakeLists.txt \
  'geoweave_layer(\n  image SOURCES i.cpp\n  DEPENDS base grid)\ntarget_sources(unit_tests PRIVATE i_test.cpp)\n' \
  'image/CMakeLists.txt: geoweave_image links geoweave_grid'
if [ "$failed" -ne 0 ]; then
  echo "check_layers_test: the layer check misses a case" >&2
  exit 1
fi
echo "check_layers_test: every planted case is caught"
