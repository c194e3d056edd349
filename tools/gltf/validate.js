#!/usr/bin/env node
// Validates one glTF or GLB file with the Khronos glTF validator and prints
// its findings, one a line. Exits 0 only when the validator reports no
// error and no warning (infos and hints are printed but allowed); 1 when it
// does, 2 when the file cannot be read or validated at all. Run
// `npm ci --prefix tools/gltf` once first.
'use strict';
const fs = require('fs');
const path = require('path');

let validator;
try {
  validator = require('gltf-validator');
} catch (why) {
  console.error(`the glTF validator is missing (run npm ci --prefix ${__dirname}): ${why}`);
  process.exit(2);
}

const SEVERITY = ['error', 'warning', 'info', 'hint'];

async function main() {
  const file = process.argv[2];
  if (!file) {
    console.error('usage: validate.js FILE.glb');
    return 2;
  }
  const bytes = new Uint8Array(fs.readFileSync(file));
  // Everything the validator finds is wanted, not just its default first 100.
  const report = await validator.validateBytes(bytes, {uri: path.basename(file), maxIssues: 0});
  const issues = report.issues;
  console.log(`${report.validatorVersion}: ${issues.numErrors} errors, ` +
              `${issues.numWarnings} warnings, ${issues.numInfos} infos, ${issues.numHints} hints`);
  for (const m of issues.messages) {
    console.log(`${SEVERITY[m.severity]} ${m.code} ${m.pointer || ''}: ${m.message}`);
  }
  return issues.numErrors === 0 && issues.numWarnings === 0 ? 0 : 1;
}

main().then((code) => process.exit(code), (why) => {
  console.error(`cannot validate ${process.argv[2]}: ${why}`);
  process.exit(2);
});
