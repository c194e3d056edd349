#!/usr/bin/env bash
# Fails when an #include points up or sideways: each folder is a layer and
# may include only its own headers and those of the layers below it. The two
# programs (app/ GeoweaveTest, cli/ geoweave) sit on top, and nothing
# includes them or each other.
set -euo pipefail
cd "$(dirname "$0")/.."

# Bottom to top; layers on one line share a rank.
layers=(base grid world terrain climate generation image render geoweave export "app cli")
declare -A rank
for i in "${!layers[@]}"; do
  for layer in ${layers[$i]}; do rank[$layer]=$i; done
done

bad=0
for dir in "${!rank[@]}"; do
  [ -d "$dir" ] || continue
  while IFS= read -r line; do
    file=${line%%:*}
    included=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"${line#*:*:}")
    target=${included%%/*}
    [ "$target" = "$included" ] && continue  # a header without a folder
    [ -n "${rank[$target]+x}" ] || continue   # not one of ours
    if [ "$target" != "$dir" ] && [ "${rank[$target]}" -ge "${rank[$dir]}" ]; then
      echo "$file includes $included: $target is not below $dir" >&2
      bad=1
    fi
  done < <(grep -n -H -E '^#include "' "$dir"/*.h "$dir"/*.cpp 2>/dev/null || true)
done
# The example consumer sees only the installed public headers.
if grep -n -H -E '^#include "' examples/consumer/*.cpp 2>/dev/null | grep -v '"geoweave/' >&2; then
  echo "examples/consumer includes more than the public headers" >&2
  bad=1
fi
if [ "$bad" -ne 0 ]; then
  echo "layer check failed: includes must point down" >&2
  exit 1
fi
echo "layer check: every include points down"
