#!/usr/bin/env bash
# Runs the README's quick commands, so that the documentation cannot drift
# from the programs: every code block (indented or fenced) that follows a
# line `<!-- check: run -->` runs as one bash script with errexit and
# pipefail, the blocks in the README's order, in one scratch copy of the
# repository, with the build's programs (geoweave, GeoweaveTest) first on
# PATH. Fails on the first block that exits with anything but 0, or takes
# longer than five minutes, and on a marker that no code block follows.
# Usage: tools/check_readme.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/release}")
for program in "$build/cli/geoweave" "$build/app/GeoweaveTest"; do
  [ -x "$program" ] || { echo "readme check: no $program; build it first" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The blocks, one file each, named by the README line of their marker.
python3 - README.md "$work/blocks" <<'PYTHON'
import os, sys
lines = open(sys.argv[1], encoding="utf-8").read().split("\n")
os.makedirs(sys.argv[2])
i = 0
while i < len(lines):
    if lines[i].strip() != "<!-- check: run -->":
        i += 1
        continue
    marker = i + 1
    i += 1
    while i < len(lines) and not lines[i].strip():
        i += 1
    body = []
    if i < len(lines) and lines[i].startswith("```"):
        i += 1
        while i < len(lines) and not lines[i].startswith("```"):
            body.append(lines[i])
            i += 1
    else:
        while i < len(lines) and (lines[i].startswith("    ") or not lines[i].strip()):
            body.append(lines[i][4:])
            i += 1
    while body and not body[-1].strip():
        body.pop()
    if not body:
        sys.exit(f"readme check: README.md:{marker}: no code block follows the marker")
    with open(os.path.join(sys.argv[2], f"{marker:06d}.sh"), "w") as out:
        out.write("\n".join(body) + "\n")
PYTHON
blocks=("$work"/blocks/*.sh)
[ -e "${blocks[0]}" ] || { echo "readme check: README.md marks no block to run" >&2; exit 1; }

# The tracked files as they stand in the working tree.
mkdir "$work/repo"
git ls-files -z | while IFS= read -r -d '' file; do
  [ -f "$file" ] && printf '%s\0' "$file"
done | xargs -0 cp --parents -t "$work/repo"

for block in "${blocks[@]}"; do
  line=$((10#$(basename "$block" .sh)))
  status=0
  (cd "$work/repo" && PATH="$build/cli:$build/app:$PATH" timeout 300 \
    bash -e -o pipefail "$block") >"$work/output" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    echo "readme check: the block after README.md:$line exited with $status:" >&2
    sed 's/^/    /' "$block" >&2
    echo "its output:" >&2
    tail -n 20 "$work/output" >&2
    exit 1
  fi
done
echo "readme check: ${#blocks[@]} blocks of README.md ran"
