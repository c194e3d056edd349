#!/bin/sh
# Rebuilds dist/globe.js, the script that geoweave embeds in globe.html, from
# src/ with the packages pinned in package-lock.json: a single minified IIFE.
# The C++ build never runs this (it embeds the committed bundle), so building
# geoweave needs neither Node nor the network; run it after changing src/ and
# commit the result. esbuild's output is the same for the same inputs and
# version, which check_bundle.sh relies on.
#
# Usage: build.sh [OUTPUT]   (default dist/globe.js)
set -eu
cd "$(dirname "$0")"
out=${1:-dist/globe.js}
npm ci --no-audit --no-fund --loglevel=error
three=$(node -p "JSON.parse(require('fs').readFileSync('node_modules/three/package.json')).version")
npx --no-install esbuild src/main.js --bundle --format=iife --minify --target=es2020 \
  --charset=utf8 --legal-comments=eof --log-level=warning \
  --banner:js="/* geoweave globe page script, built by web/globe/build.sh from web/globe/src. It bundles three.js $three (npm package three; MIT licence, Copyright 2010-2026 Three.js Authors). */" \
  --outfile="$out"
