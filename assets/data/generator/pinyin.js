// Pinyin as CC-CEDICT writes it ("Zhang1 sun1", "Lu:3") and as the records
// show it: tone marks ("zhǎng sūn") or no tones at all ("zhangsun").

const TONE_MARKS = { a: 'āáǎà', e: 'ēéěè', i: 'īíǐì', o: 'ōóǒò', u: 'ūúǔù', 'ü': 'ǖǘǚǜ' };

export function syllables(pinyin) {
  return pinyin.split(/\s+/).filter(Boolean).map((s) => s.toLowerCase().replace(/u:|v/g, 'ü'));
}

export function toneless(pinyin) {
  return syllables(pinyin).map((s) => s.replace(/[0-9]$/, '')).join('');
}

function withToneMark(syllable) {
  const match = syllable.match(/^([a-zü]+)([1-5])$/);
  if (!match) return syllable;
  const [, letters, toneDigit] = match;
  const tone = Number(toneDigit);
  if (tone === 5) return letters;
  let at = letters.search(/[ae]/);
  if (at < 0) at = letters.indexOf('ou');
  if (at < 0) {
    for (let i = letters.length - 1; i >= 0; --i) {
      if ('iouü'.includes(letters[i])) { at = i; break; }
    }
  }
  if (at < 0) return letters;
  return letters.slice(0, at) + TONE_MARKS[letters[at]][tone - 1] + letters.slice(at + 1);
}

export function toneMarked(pinyin) {
  return syllables(pinyin).map(withToneMark).join(' ');
}

// "zhāng" -> "zhang1", so that Unihan readings sort like CC-CEDICT ones.
export function numberedPinyin(marked) {
  for (const [vowel, marks] of Object.entries(TONE_MARKS)) {
    for (let tone = 0; tone < 4; ++tone) {
      if (marked.includes(marks[tone])) return marked.replace(marks[tone], vowel) + String(tone + 1);
    }
  }
  return marked + '5';
}

// A surname's reading written as CC-CEDICT writes its surname entries:
// ["lü2", "qiu1"] -> "Lu:2 qiu1".
export function dictionaryStyle(numberedSyllables) {
  const text = numberedSyllables.map((s) => s.replace(/ü|v/g, 'u:')).join(' ');
  return text.charAt(0).toUpperCase() + text.slice(1);
}
