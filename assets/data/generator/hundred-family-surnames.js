// The Hundred Family Surnames (百家姓), the Song-dynasty primer that lists
// surnames in rhymed four-character phrases; a public-domain text, written
// here as data in the common modern version: 504 surnames, 444 single and
// 60 compound, in simplified and in traditional characters, position by
// position.
//
// Where simplified editions differ, the characters follow the surname, as
// CC-CEDICT and Unihan spell it: 麹 (some print 曲), 郤 (却), 亓官 (丌官),
// 郈 (后, which would repeat 查后荆红). 归海 and 伯赏 are read as 归, 海, 伯
// and 赏, as the common count of 444 and 60 does. The one repeat left is
// 郁: 郁单杭洪 and 池乔阴郁 (鬱 in traditional characters) are both 郁 once
// simplified.
//
// Places count every surname of the text in order, 1 to 504, a repeat
// keeping its own place, so that a place is where a reader finds the
// surname in the text; a surname that occurs twice has two places.

const SIMPLIFIED_TEXT = `
赵钱孙李 周吴郑王 冯陈褚卫 蒋沈韩杨
朱秦尤许 何吕施张 孔曹严华 金魏陶姜
戚谢邹喻 柏水窦章 云苏潘葛 奚范彭郎
鲁韦昌马 苗凤花方 俞任袁柳 酆鲍史唐
费廉岑薛 雷贺倪汤 滕殷罗毕 郝邬安常
乐于时傅 皮卞齐康 伍余元卜 顾孟平黄
和穆萧尹 姚邵湛汪 祁毛禹狄 米贝明臧
计伏成戴 谈宋茅庞 熊纪舒屈 项祝董梁
杜阮蓝闵 席季麻强 贾路娄危 江童颜郭
梅盛林刁 钟徐邱骆 高夏蔡田 樊胡凌霍
虞万支柯 昝管卢莫 经房裘缪 干解应宗
丁宣贲邓 郁单杭洪 包诸左石 崔吉钮龚
程嵇邢滑 裴陆荣翁 荀羊於惠 甄麹家封
芮羿储靳 汲邴糜松 井段富巫 乌焦巴弓
牧隗山谷 车侯宓蓬 全郗班仰 秋仲伊宫
宁仇栾暴 甘钭厉戎 祖武符刘 景詹束龙
叶幸司韶 郜黎蓟薄 印宿白怀 蒲邰从鄂
索咸籍赖 卓蔺屠蒙 池乔阴郁 胥能苍双
闻莘党翟 谭贡劳逄 姬申扶堵 冉宰郦雍
郤璩桑桂 濮牛寿通 边扈燕冀 郏浦尚农
温别庄晏 柴瞿阎充 慕连茹习 宦艾鱼容
向古易慎 戈廖庾终 暨居衡步 都耿满弘
匡国文寇 广禄阙东 欧殳沃利 蔚越夔隆
师巩厍聂 晁勾敖融 冷訾辛阚 那简饶空
曾毋沙乜 养鞠须丰 巢关蒯相 查后荆红
游竺权逯 盖益桓公 万俟司马 上官欧阳
夏侯诸葛 闻人东方 赫连皇甫 尉迟公羊
澹台公冶 宗政濮阳 淳于单于 太叔申屠
公孙仲孙 轩辕令狐 钟离宇文 长孙慕容
鲜于闾丘 司徒司空 亓官司寇 仉督子车
颛孙端木 巫马公西 漆雕乐正 壤驷公良
拓跋夹谷 宰父谷梁 晋楚闫法 汝鄢涂钦
段干百里 东郭南门 呼延归海 羊舌微生
岳帅缑亢 况郈有琴 梁丘左丘 东门西门
商牟佘佴 伯赏南宫 墨哈谯笪 年爱阳佟
第五言福 百家姓终
`;

const TRADITIONAL_TEXT = `
趙錢孫李 周吳鄭王 馮陳褚衛 蔣沈韓楊
朱秦尤許 何呂施張 孔曹嚴華 金魏陶姜
戚謝鄒喻 柏水竇章 雲蘇潘葛 奚范彭郎
魯韋昌馬 苗鳳花方 俞任袁柳 酆鮑史唐
費廉岑薛 雷賀倪湯 滕殷羅畢 郝鄔安常
樂于時傅 皮卞齊康 伍余元卜 顧孟平黃
和穆蕭尹 姚邵湛汪 祁毛禹狄 米貝明臧
計伏成戴 談宋茅龐 熊紀舒屈 項祝董梁
杜阮藍閔 席季麻強 賈路婁危 江童顏郭
梅盛林刁 鍾徐邱駱 高夏蔡田 樊胡凌霍
虞萬支柯 昝管盧莫 經房裘繆 干解應宗
丁宣賁鄧 郁單杭洪 包諸左石 崔吉鈕龔
程嵇邢滑 裴陸榮翁 荀羊於惠 甄麴家封
芮羿儲靳 汲邴糜松 井段富巫 烏焦巴弓
牧隗山谷 車侯宓蓬 全郗班仰 秋仲伊宮
寧仇欒暴 甘鈄厲戎 祖武符劉 景詹束龍
葉幸司韶 郜黎薊薄 印宿白懷 蒲邰從鄂
索咸籍賴 卓藺屠蒙 池喬陰鬱 胥能蒼雙
聞莘黨翟 譚貢勞逄 姬申扶堵 冉宰酈雍
郤璩桑桂 濮牛壽通 邊扈燕冀 郟浦尚農
溫別莊晏 柴瞿閻充 慕連茹習 宦艾魚容
向古易慎 戈廖庾終 暨居衡步 都耿滿弘
匡國文寇 廣祿闕東 歐殳沃利 蔚越夔隆
師鞏厙聶 晁勾敖融 冷訾辛闞 那簡饒空
曾毋沙乜 養鞠須豐 巢關蒯相 查后荊紅
游竺權逯 蓋益桓公 万俟司馬 上官歐陽
夏侯諸葛 聞人東方 赫連皇甫 尉遲公羊
澹臺公冶 宗政濮陽 淳于單于 太叔申屠
公孫仲孫 軒轅令狐 鍾離宇文 長孫慕容
鮮于閭丘 司徒司空 亓官司寇 仉督子車
顓孫端木 巫馬公西 漆雕樂正 壤駟公良
拓跋夾谷 宰父穀梁 晉楚閆法 汝鄢涂欽
段干百里 東郭南門 呼延歸海 羊舌微生
岳帥緱亢 況郈有琴 梁丘左丘 東門西門
商牟佘佴 伯賞南宮 墨哈譙笪 年愛陽佟
第五言福 百家姓終
`;

// The text's last phrase, "the Hundred Family Surnames ends", names no surname.
const CLOSING_PHRASE = { simplified: '百家姓终', traditional: '百家姓終' };

// The compound surnames, in their order in the text. They all stand after
// the single surnames' part, which ends with 盖益桓公.
export const COMPOUND_SURNAMES = [
  '万俟', '司马', '上官', '欧阳', '夏侯', '诸葛', '闻人', '东方', '赫连', '皇甫',
  '尉迟', '公羊', '澹台', '公冶', '宗政', '濮阳', '淳于', '单于', '太叔', '申屠',
  '公孙', '仲孙', '轩辕', '令狐', '钟离', '宇文', '长孙', '慕容', '鲜于', '闾丘',
  '司徒', '司空', '亓官', '司寇', '子车', '颛孙', '端木', '巫马', '公西', '漆雕',
  '乐正', '壤驷', '公良', '拓跋', '夹谷', '宰父', '谷梁', '段干', '百里', '东郭',
  '南门', '呼延', '羊舌', '微生', '梁丘', '左丘', '东门', '西门', '南宫', '第五',
];

const SINGLES_PART_END = '盖益桓公';

function surnameCharacters(text, closing) {
  const chars = [...text.replace(/\s+/g, '')];
  const tail = [...closing];
  if (chars.slice(-tail.length).join('') !== closing) throw new Error(`the text does not end with ${closing}`);
  return chars.slice(0, -tail.length);
}

// The surnames in their order: { surname, traditional, place }.
export function hundredFamilySurnames() {
  const simplified = surnameCharacters(SIMPLIFIED_TEXT, CLOSING_PHRASE.simplified);
  const traditional = surnameCharacters(TRADITIONAL_TEXT, CLOSING_PHRASE.traditional);
  if (simplified.length !== traditional.length) throw new Error('the two texts differ in length');
  const singlesEnd = simplified.join('').indexOf(SINGLES_PART_END) + SINGLES_PART_END.length;
  const compounds = new Set(COMPOUND_SURNAMES);
  const surnames = [];
  for (let at = 0; at < simplified.length;) {
    const pair = simplified.slice(at, at + 2).join('');
    const length = at >= singlesEnd && compounds.has(pair) ? 2 : 1;
    surnames.push({
      surname: simplified.slice(at, at + length).join(''),
      traditional: traditional.slice(at, at + length).join(''),
      place: surnames.length + 1,
    });
    at += length;
  }
  return surnames;
}

// Each surname once, in order of its first place:
// surname -> { surname, traditional: [forms], places: [places] }.
export function surnamePlaces() {
  const bySurname = new Map();
  for (const { surname, traditional, place } of hundredFamilySurnames()) {
    if (!bySurname.has(surname)) bySurname.set(surname, { surname, traditional: [], places: [] });
    const entry = bySurname.get(surname);
    if (!entry.traditional.includes(traditional)) entry.traditional.push(traditional);
    entry.places.push(place);
  }
  return bySurname;
}
