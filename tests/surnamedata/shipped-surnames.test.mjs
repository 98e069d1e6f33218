// The shipped data set against the Hundred Family Surnames in the
// generator: every surname of the text has a record, read as a surname,
// and every record tells its place in the text.
import assert from 'node:assert/strict';
import path from 'node:path';
import test from 'node:test';
import { generatorDir, shippedRecords } from './shipped-records.mjs';

const { surnamePlaces } = await import(path.join(generatorDir, 'hundred-family-surnames.js'));
const places = surnamePlaces();
const records = shippedRecords();

function placeLine(surname) {
  const entry = places.get(surname);
  return entry ? `第${entry.places.join('位、第')}位（${surname}）` : '未收此姓';
}

test('records are numbered 1, 2, 3, ... in file order', () => {
  assert.deepEqual(records.map((r) => r.number), records.map((_, i) => i + 1));
});

test('every surname of the text has a record', () => {
  const surnames = new Set(records.map((r) => r.surname));
  assert.deepEqual([...places.keys()].filter((s) => !surnames.has(s)), []);
});

// The search removes 姓, * and blanks from the keyword and matches it
// anywhere in a title with LIKE: a surname without those characters and
// without LIKE's wildcards finds every title that holds it.
test('the search keeps every surname of the text whole', () => {
  assert.deepEqual([...places.keys()].filter((s) => /[姓*\s%_\[\]']/.test(s)), []);
});

test('every record gives its place in the text, or says the text does not hold it', () => {
  const wrong = records.filter((r) => (r.fields.get('百家姓') || []).join('|') !== placeLine(r.surname));
  assert.deepEqual(wrong.map((r) => `${r.title}: ${r.fields.get('百家姓')}`), []);
  assert.deepEqual(records.find((r) => r.surname === '赵').fields.get('百家姓'), ['第1位（赵）']);
  assert.deepEqual(records.find((r) => r.surname === '郁').fields.get('百家姓'), ['第181位、第284位（郁）']);
  assert.ok(records.some((r) => r.fields.get('百家姓')[0] === '未收此姓'), 'records beyond the text say so');
});

test('surnames that read differently as surnames have a record under that reading', () => {
  const titles = new Set(records.map((r) => r.title));
  for (const title of ['单姓 shan', '单于姓 chanyu', '尉迟姓 yuchi', '万俟姓 moqi', '佴姓 nai', '能姓 nai',
                       '子车姓 ziju', '澹台姓 tantai', '乐正姓 yuezheng', '长孙姓 zhangsun', '解姓 xie']) {
    assert.ok(titles.has(title), title);
  }
});

test('a record the text adds names its sources and says plainly that no gloss exists', () => {
  const added = records.filter((r) => r.fields.get('来源').some((s) => s.startsWith('百家姓')));
  assert.ok(added.length >= 70, `${added.length} records added from the text`);
  for (const record of added) {
    assert.ok(record.fields.get('来源').some((s) => s.startsWith('读音据 ')), record.title);
    assert.match(record.fields.get('释义')[0], /^无（/, record.title);
  }
  const zhongli = records.find((r) => r.title === '钟离姓 zhongli');
  assert.deepEqual(zhongli.fields.get('繁体'), ['鍾離']);
  assert.deepEqual(zhongli.fields.get('拼音'), ['zhōng lí']);
});

test('no body holds an empty field', () => {
  for (const record of records) {
    for (const [name, values] of record.fields) {
      assert.ok(values.every((v) => v.trim() !== ''), `${record.title}: empty ${name}`);
    }
  }
});
