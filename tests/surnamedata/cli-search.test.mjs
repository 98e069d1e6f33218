// Surnames of the Hundred Family Surnames found in the built database by
// lanvero-cli's search, which cleans the keyword and builds the statement
// exactly as the program's search button does. One search takes a process
// that reads the whole database, so this searches the surnames most at
// risk: every compound surname and every surname whose record the text
// added. That a title holds each of the 503 surnames, and that the keyword
// rules keep them whole, is checked over the source file in
// shipped-surnames.test.mjs.
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import path from 'node:path';
import test from 'node:test';
import { promisify } from 'node:util';
import { generatorDir, shippedRecords } from './shipped-records.mjs';

const { surnamePlaces } = await import(path.join(generatorDir, 'hundred-family-surnames.js'));
const run = promisify(execFile);
const cli = process.env.LANVERO_CLI;
const database = process.env.LANVERO_DATABASE;
const PARALLEL_SEARCHES = 2;

// The titles lanvero-cli prints for `keyword`; none when it finds nothing.
async function searchTitles(keyword) {
  try {
    const { stdout } = await run(cli, ['--db', database, 'search', keyword]);
    return stdout.split('\n').filter(Boolean).map((line) => line.split('\t')[1]);
  } catch (error) {
    if (error.code === 1) return [];
    throw error;
  }
}

function surnamesToSearch() {
  const addedFromTheText = new Set(shippedRecords()
    .filter((r) => r.fields.get('来源').some((s) => s.startsWith('百家姓')))
    .map((r) => r.surname));
  return [...surnamePlaces().keys()].filter((s) => [...s].length > 1 || addedFromTheText.has(s));
}

test('lanvero-cli search finds the compound surnames and those the text added', { timeout: 600_000 }, async (t) => {
  if (!cli || !database) return t.skip('LANVERO_CLI and LANVERO_DATABASE are set by CTest');
  const pending = surnamesToSearch();
  assert.ok(pending.length >= 90, `${pending.length} surnames to search`);
  const missed = [];
  const worker = async () => {
    for (let surname = pending.shift(); surname; surname = pending.shift()) {
      const titles = await searchTitles(surname);
      if (!titles.some((title) => title.startsWith(`${surname}姓 `))) missed.push(surname);
    }
  };
  await Promise.all(Array.from({ length: PARALLEL_SEARCHES }, worker));
  assert.deepEqual(missed, []);
});
