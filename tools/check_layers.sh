#!/usr/bin/env bash
# Fails when an #include points up or sideways between the layer folders, when
# a program built against the install could see more than the public headers,
# or when a folder's CMake links do not match what it includes. The rules are
# in check_layers.py; the argument, if any, is the tree to check.
set -euo pipefail
exec python3 "$(dirname "$0")/check_layers.py" "$@"
