#!/usr/bin/env bash
# Installs what building Geoweave needs, and with --tests (the default) what
# its tests need too, on Debian or Ubuntu. Packages already there are left
# alone, so a second run changes nothing. Elsewhere it prints the equivalent
# line for Fedora and macOS Homebrew and exits 1.
#
#   tools/install-deps.sh            programs and every test
#   tools/install-deps.sh --programs the programs only
#   tools/install-deps.sh --print    the package lists, nothing installed
#
# Runs apt-get as root, through sudo when started by another user.
set -euo pipefail

programs=(cmake ninja-build g++ pkg-config zlib1g-dev libtiff-dev libgeotiff-dev libdeflate-dev
          libcli11-dev nlohmann-json3-dev)
# libpng and GDAL's tools read the pictures and GeoTIFF layers back; node,
# npm and Chromium run the globe page and the glTF validator (the npm
# packages come from web/ and tools/ package-locks, not from here).
tests=(libpng-dev libgtest-dev libbenchmark-dev gdal-bin python3 python3-gdal nodejs npm chromium zsh)

fedora="sudo dnf install cmake ninja-build gcc-c++ pkgconf-pkg-config zlib-devel libpng-devel libtiff-devel \
libgeotiff-devel libdeflate-devel cli11-devel json-devel gtest-devel google-benchmark-devel gdal \
python3-gdal nodejs npm chromium"
homebrew="brew install cmake ninja pkg-config zlib libpng libtiff libgeotiff libdeflate cli11 \
nlohmann-json googletest google-benchmark gdal node && brew install --cask chromium"

want=("${programs[@]}")
case "${1:---tests}" in
  --programs) ;;
  --tests) want+=("${tests[@]}") ;;
  --print)
    echo "Debian/Ubuntu programs: ${programs[*]}"
    echo "Debian/Ubuntu tests:    ${tests[*]}"
    echo "Fedora:   $fedora"
    echo "Homebrew: $homebrew"
    exit 0
    ;;
  *)
    echo "usage: $0 [--programs | --tests | --print]" >&2
    exit 2
    ;;
esac

if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
  echo "install-deps: no apt-get here; install the equivalent packages:" >&2
  echo "  Fedora:   $fedora" >&2
  echo "  Homebrew: $homebrew" >&2
  exit 1
fi

missing=()
for package in "${want[@]}"; do
  # Node.js from another source (NodeSource's nodejs carries npm and
  # conflicts with Debian's npm) serves as well as Debian's.
  case "$package" in
    nodejs) command -v node >/dev/null 2>&1 && continue ;;
    npm) command -v npm >/dev/null 2>&1 && continue ;;
  esac
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
# The tests' npm packages, pinned by their package-locks: the globe page's
# three.js, esbuild and puppeteer-core, and the Khronos glTF validator.
npm_packages() {
  [ "$1" = --tests ] || return 0
  local root folder
  root=$(cd "$(dirname "$0")/.." && pwd)
  for folder in web/globe tools/gltf; do
    [ -d "$root/$folder/node_modules" ] && continue
    echo "install-deps: npm ci in $folder"
    npm ci --prefix "$root/$folder" --no-audit --no-fund --loglevel=error
  done
}

if [ "${#missing[@]}" -eq 0 ]; then
  echo "install-deps: every package is installed"
  npm_packages "${1:---tests}"
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || { echo "install-deps: run as root (no sudo)" >&2; exit 1; }
  as_root=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
npm_packages "${1:---tests}"
