// The reading of a surname that CC-CEDICT does not list as a surname (or
// lists under another reading): pinyin-pro's surname mode, which reads
// 单 shàn, 尉迟 yùchí and 万俟 mòqí as surnames are read, except where it
// is known to be wrong for a surname of the Hundred Family Surnames.

import fs from 'node:fs';
import { createRequire } from 'node:module';
import { pinyin } from 'pinyin-pro';
import { dictionaryStyle, toneMarked } from './pinyin.js';

const pinyinProVersion = JSON.parse(
  fs.readFileSync(createRequire(import.meta.url).resolve('pinyin-pro/package.json'), 'utf8')).version;

// Surnames that pinyin-pro reads with the word's everyday reading, and the
// dictionary entry that gives the surname's.
const CORRECTIONS = new Map([
  ['单于', { pinyin: 'Chan2 yu2', source: 'CC-CEDICT：單于 单于 [chan2 yu2]' }],
  ['佴', { pinyin: 'Nai4', source: 'Unihan：U+4F74 kXHC1983 nài' }],
]);

function pinyinProReading(surname) {
  return dictionaryStyle(pinyin(surname, { surname: 'head', toneType: 'num', type: 'array', toneSandhi: false }));
}

// { pinyin (as CC-CEDICT writes it), source (the 来源 text) }.
export function surnameReading(surname) {
  const byPinyinPro = pinyinProReading(surname);
  const correction = CORRECTIONS.get(surname);
  if (correction) {
    return {
      pinyin: correction.pinyin,
      source: `读音据 ${correction.source}（pinyin-pro ${pinyinProVersion} 姓氏模式读作 ${toneMarked(byPinyinPro)}，不取）`,
    };
  }
  return { pinyin: byPinyinPro, source: `读音据 pinyin-pro ${pinyinProVersion} 姓氏模式（MIT 许可）` };
}
