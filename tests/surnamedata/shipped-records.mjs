// The committed source of the shipped database (assets/data/surnames.tsv)
// read independently of the generator: records with their title, the
// surname the title names and the body's lines.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const sourceRoot = process.env.LANVERO_SOURCE_DIR ||
  path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..');
export const generatorDir = path.join(sourceRoot, 'assets', 'data', 'generator');
const sourceFile = path.join(sourceRoot, 'assets', 'data', 'surnames.tsv');

const ESCAPES = { r: '\r', n: '\n', t: '\t', '\\': '\\' };

function unescapeField(text) {
  return text.replace(/\\(.)/g, (_, ch) => ESCAPES[ch] ?? ch);
}

// Body "姓氏：赵<br>\r\n拼音：zhào<br>\r\n" -> Map 姓氏 -> [赵], 拼音 -> [zhào].
function bodyFields(body) {
  const fields = new Map();
  for (const line of body.split('<br>\r\n').filter(Boolean)) {
    const at = line.indexOf('：');
    const name = line.slice(0, at);
    if (!fields.has(name)) fields.set(name, []);
    fields.get(name).push(line.slice(at + 1));
  }
  return fields;
}

export function shippedRecords() {
  const lines = fs.readFileSync(sourceFile, 'utf8').split('\n');
  if (lines[0] !== '编号\t标题\t内容') throw new Error(`${sourceFile}: unexpected header`);
  return lines.slice(1).filter(Boolean).map((line) => {
    const [number, title, body] = line.split('\t');
    const text = unescapeField(body);
    return { number: Number(number), title, surname: title.split('姓 ')[0], body: text, fields: bodyFields(text) };
  });
}
