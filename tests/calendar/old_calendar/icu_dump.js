// Writes what ICU (through Node's Intl) says of every day the old calendar's
// tests compare, one line a day:
//   dangi YYYY-MM-DD MONTH LEAP DAY     Korea's lunisolar calendar, 1961-2100
//   era YYYY-MM-DD ERA YEAR             Japan's era, on the first of each month
//                                       from 1873 and around each era's start
// Korea reckons its calendar at UTC+9 like Japan since 1961, so its months and
// days are Japan's wherever ICU's astronomy is fine enough to agree.
//   node icu_dump.js OUTPUT
'use strict';
const fs = require('fs');

const kDay = 24 * 60 * 60 * 1000;
const dangi = new Intl.DateTimeFormat('ja-u-ca-dangi',
    {timeZone: 'Asia/Tokyo', month: 'numeric', day: 'numeric'});
const japanese = new Intl.DateTimeFormat('ja-JP-u-ca-japanese',
    {timeZone: 'Asia/Tokyo', era: 'long', year: 'numeric'});

const isoDate = (t) => new Date(t).toISOString().slice(0, 10);
const noonInTokyo = (y, m, d) => Date.UTC(y, m - 1, d, 3);  // 12:00 JST
const parts = (format, t) =>
    Object.fromEntries(format.formatToParts(t).map((p) => [p.type, p.value]));

function dangiLine(t) {
  const {month, day} = parts(dangi, t);
  // A leap month is its number with 閏 before it, e.g. 閏3.
  const leap = month.startsWith('閏');
  const number = leap ? month.slice(1) : month;
  if (!/^\d+$/.test(number) || !/^\d+$/.test(day)) {
    throw new Error(`unexpected dangi date ${month}/${day} on ${isoDate(t)}`);
  }
  return `dangi ${isoDate(t)} ${number} ${leap ? 1 : 0} ${day}`;
}

function eraLine(t) {
  const {era, year} = parts(japanese, t);
  // An era's first year comes as 元 (元年), the others as digits.
  const number = year === '元' ? '1' : year;
  if (!/^\d+$/.test(number)) throw new Error(`unexpected era year ${era}${year} on ${isoDate(t)}`);
  return `era ${isoDate(t)} ${era} ${number}`;
}

const lines = [];
for (let t = noonInTokyo(1961, 1, 1); t <= noonInTokyo(2100, 12, 31); t += kDay) {
  lines.push(dangiLine(t));
}
for (let y = 1873; y <= 2100; ++y) {
  for (let m = 1; m <= 12; ++m) lines.push(eraLine(noonInTokyo(y, m, 1)));
}
for (const [y, m, d] of [[1912, 7, 30], [1926, 12, 25], [1989, 1, 8], [2019, 5, 1]]) {
  for (const shift of [-1, 0, 1]) lines.push(eraLine(noonInTokyo(y, m, d) + shift * kDay));
}
fs.writeFileSync(process.argv[2], lines.join('\n') + '\n');
