// The Hundred Family Surnames as the generator holds it: the counts of the
// common modern version, the compound surnames where the text has them,
// and the traditional text standing character for character beside the
// simplified one.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import { generatorDir } from './shipped-records.mjs';

const { COMPOUND_SURNAMES, hundredFamilySurnames, surnamePlaces } =
  await import(path.join(generatorDir, 'hundred-family-surnames.js'));
const surnames = hundredFamilySurnames();

test('the text holds 504 surnames: 444 single and 60 compound, placed 1 to 504', () => {
  assert.equal(surnames.length, 504);
  assert.equal(surnames.filter((s) => [...s.surname].length === 1).length, 444);
  assert.equal(surnames.filter((s) => [...s.surname].length === 2).length, 60);
  assert.deepEqual(surnames.map((s) => s.place), surnames.map((_, i) => i + 1));
  assert.deepEqual(
    [1, 2, 3, 4, 408, 409, 502, 503, 504].map((place) => surnames[place - 1].surname),
    ['赵', '钱', '孙', '李', '公', '万俟', '第五', '言', '福']);
});

test('every compound surname is read once, in its order, and only after the single surnames', () => {
  const compounds = surnames.filter((s) => [...s.surname].length === 2);
  assert.deepEqual(compounds.map((s) => s.surname), COMPOUND_SURNAMES);
  const lastSingleOfTheFirstPart = surnames.findIndex((s) => s.surname === '公') + 1;
  assert.equal(lastSingleOfTheFirstPart, 408);
  assert.ok(compounds.every((s) => s.place > lastSingleOfTheFirstPart));
});

test('郁 is the only surname that occurs twice; each surname keeps its places', () => {
  const places = surnamePlaces();
  assert.equal(places.size, 503);
  const repeated = [...places.values()].filter((entry) => entry.places.length > 1);
  assert.deepEqual(repeated, [{ surname: '郁', traditional: ['郁', '鬱'], places: [181, 284] }]);
  assert.deepEqual(places.get('钟离').places, [433]);
  assert.deepEqual(places.get('钟').places, [149]);
});

test('every character is one the records may hold (U+4E00-U+9FA5)', () => {
  for (const { surname, traditional } of surnames) {
    for (const ch of surname + traditional) {
      const code = ch.codePointAt(0);
      assert.ok(code >= 0x4e00 && code <= 0x9fa5, `${ch} of ${surname}`);
    }
  }
});

// Unihan's simplified variants, when Debian's unicode-data is installed.
function simplifiedVariants() {
  const dir = process.env.UNIHAN_DIR || '/usr/share/unicode';
  const plain = path.join(dir, 'Unihan_Variants.txt');
  const packed = plain + '.bz2';
  if (!fs.existsSync(plain) && !fs.existsSync(packed)) return null;
  const text = fs.existsSync(plain) ? fs.readFileSync(plain, 'utf8')
    : execFileSync('bzcat', [packed], { maxBuffer: 1 << 28, encoding: 'utf8' });
  const variants = new Map();
  for (const line of text.split('\n')) {
    const [code, field, value] = line.split('\t');
    if (field !== 'kSimplifiedVariant' || !code.startsWith('U+')) continue;
    variants.set(String.fromCodePoint(parseInt(code.slice(2), 16)),
      value.split(' ').map((u) => String.fromCodePoint(parseInt(u.slice(2), 16))));
  }
  return variants;
}

test('each traditional character is the simplified one or simplifies to it', (t) => {
  const variants = simplifiedVariants();
  if (!variants) return t.skip('Unihan files not installed (Debian package unicode-data)');
  const mismatches = [];
  for (const { surname, traditional, place } of surnames) {
    [...traditional].forEach((ch, i) => {
      const simplified = [...surname][i];
      if (ch !== simplified && !(variants.get(ch) || []).includes(simplified)) mismatches.push(`${place} ${surname} ${ch}`);
    });
  }
  assert.deepEqual(mismatches, []);
});
