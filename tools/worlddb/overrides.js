// Hand-written data: everything here is a datum that none of the packaged
// sources (Factbook, CLDR, Natural Earth, the flag SVGs, tz-lookup) carries,
// or a correction of what the reading converter (kakasi) gets wrong.
// Each section says where its content comes from.
'use strict';

// ---------------------------------------------------------------------------
// Japanese names of cities that are not the exemplar city of a CLDR time zone.
// Source: standard Japanese exonyms as used by the Japanese Ministry of Foreign
// Affairs and common atlases (facts, written by hand). Keys are the English
// name as listed, with "|<country number>" where a name occurs twice.
// Kanji names of Korean, Chinese and Taiwanese cities carry their reading in
// full-width parentheses; that reading is also what sorts them.
exports.cityJa = {
  'Abu Dhabi': 'アブダビ',
  'Abuja ': 'アブジャ',
  Adana: 'アダナ',
  Aleppo: 'アレッポ',
  Alexandria: 'アレクサンドリア',
  'Alice Springs': 'アリススプリングス',
  'Andorra la Vella ': 'アンドララベリャ',
  Ankara: 'アンカラ',
  Antwerp: 'アントワープ',
  Atlanta: 'アトランタ',
  Bali: 'バリ',
  'Bandar Seri Begawan': 'バンダルスリブガワン',
  Barcelona: 'バルセロナ',
  Barranquilla: 'バランキヤ',
  Basel: 'バーゼル',
  Basra: 'バスラ',
  'Basseterre ': 'バセテール',
  Beijing: '北京（ペキン）',
  'Belmopan ': 'ベルモパン',
  Benghazi: 'ベンガジ',
  Bergen: 'ベルゲン',
  Bern: 'ベルン',
  Birmingham: 'バーミンガム',
  Bombay: 'ムンバイ',
  'Brasilia ': 'ブラジリア',
  Bridgetown: 'ブリッジタウン',
  Canberra: 'キャンベラ',
  'Cape Town': 'ケープタウン',
  Castries: 'カストリーズ',
  Calgary: 'カルガリー',
  Cebu: 'セブ',
  cairn: 'ケルン',
  Chengdu: '成都（チョンドゥ）',
  Cheyenne: 'シャイアン',
  Chittagong: 'チッタゴン',
  Chongqing: '重慶（チョンチン）',
  Christchurch: 'クライストチャーチ',
  Coimbra: 'コインブラ',
  Colon: 'コロン',
  Cork: 'コーク',
  Danang: 'ダナン',
  Davao: 'ダバオ',
  Delhi: 'デリー',
  'Den Haag': 'ハーグ',
  Dnjepropjetrovsk: 'ドニプロ',
  Doha: 'ドーハ',
  Durban: 'ダーバン',
  Fez: 'フェズ',
  Fukuoka: '福岡',
  Geneve: 'ジュネーブ',
  Genova: 'ジェノバ',
  'Georgetown|16': 'ジョージタウン',
  'Georgetown|70': 'ジョージタウン',
  Glasgow: 'グラスゴー',
  Granada: 'グラナダ',
  Graz: 'グラーツ',
  Guadalajara: 'グアダラハラ',
  Guangdong: '広東（カントン）',
  Haifa: 'ハイファ',
  Haiphong: 'ハイフォン',
  Hamburg: 'ハンブルク',
  Hanoi: 'ハノイ',
  'Har’kov': 'ハルキウ',
  Herat: 'ヘラート',
  Honiara: 'ホニアラ',
  Ibadan: 'イバダン',
  Inchon: '仁川（インチョン）',
  'Irian Jaya': 'イリアンジャヤ',
  Isfahan: 'イスファハン',
  Islamabad: 'イスラマバード',
  Izmir: 'イズミル',
  Jawa: 'ジャワ',
  Jidda: 'ジッダ',
  Kaesong: '開城（ケソン）',
  Kaiennu: 'カイエンヌ',
  Kalimantan: 'カリマンタン',
  Kandahar: 'カンダハル',
  Kano: 'カノ',
  'Kansas City': 'カンザスシティ',
  'Kao-hsiung': '高雄（カオシュン）',
  Karaganda: 'カラガンダ',
  Kathmandu: 'カトマンズ',
  Keelung: '基隆（キールン）',
  Kingston: 'キングストン',
  Kingstown: 'キングスタウン',
  Kirkuk: 'キルクーク',
  Kisumu: 'キスム',
  Kobe: '神戸',
  Kolonia: 'コロニア',
  'Koror ': 'コロール',
  Kuenka: 'クエンカ',
  Kwangju: '光州（クァンジュ）',
  Kyoto: '京都',
  'La Plata': 'ラプラタ',
  Lahore: 'ラホール',
  Lausanne: 'ローザンヌ',
  Leeds: 'リーズ',
  Leon: 'レオン',
  Lilongwe: 'リロングウェ',
  Linz: 'リンツ',
  Lyon: 'リヨン',
  Madras: 'チェンナイ',
  Male: 'マレ',
  'Manama ': 'マナーマ',
  Mandalay: 'マンダレー',
  Manukau: 'マヌカウ',
  Maracaibo: 'マラカイボ',
  Marrakesh: 'マラケシュ',
  Marseille: 'マルセイユ',
  Mecca: 'メッカ',
  Medina: 'メディナ',
  Mexicali: 'メヒカリ',
  Milano: 'ミラノ',
  Mombasa: 'モンバサ',
  Montreal: 'モントリオール',
  Moroni: 'モロニ',
  Mosul: 'モスル',
  Munchen: 'ミュンヘン',
  Nagoya: '名古屋',
  Nampo: '南浦（ナムポ）',
  Nantes: 'ナント',
  Naples: 'ナポリ',
  'New Delhi': 'ニューデリー',
  'New Jersey': 'ニュージャージー',
  Nice: 'ニース',
  "Nuku'alofa ": 'ヌクアロファ',
  Ogbomoso: 'オグボモショ',
  Oran: 'オラン',
  Orufusu: 'オーフス',
  Osaka: '大阪',
  Osogbo: 'オショグボ',
  Osutoraba: 'オストラバ',
  Ottawa: 'オタワ',
  Palikir: 'パリキール',
  Pegu: 'バゴー',
  Piraeus: 'ピレウス',
  'Port Louis': 'ポートルイス',
  'Port Said': 'ポートサイド',
  'Port Vila': 'ポートビラ',
  Poznan: 'ポズナン',
  Praia: 'プライア',
  Pretoria: 'プレトリア',
  Pusan: '釜山（プサン）',
  Quebec: 'ケベック',
  Quito: 'キト',
  Rabat: 'ラバト',
  'Rangoon ': 'ラングーン',
  Rijeka: 'リエカ',
  'Rio de Janeiro': 'リオデジャネイロ',
  Roseau: 'ロゾー',
  Rotterdam: 'ロッテルダム',
  'Saint George’s': 'セントジョージズ',
  'Saint John’s': 'セントジョンズ',
  Salzburg: 'ザルツブルク',
  'San Francisco': 'サンフランシスコ',
  'San Jose': 'サンホセ',
  'San Salvador': 'サンサルバドル',
  'San‘a': 'サヌア',
  'Santa Cruz': 'サンタクルス',
  Sapporo: '札幌',
  Seattle: 'シアトル',
  Semara: 'スマラ',
  Semipalatinsk: 'セミパラチンスク',
  Sevilla: 'セビリア',
  'Shenyang (Mukden)': '瀋陽（シェンヤン）',
  Sinijyu: '新義州（シニジュ）',
  Sucre: 'スクレ',
  Suez: 'スエズ',
  Sumatra: 'スマトラ',
  suva: 'スバ',
  Taegu: '大邱（テグ）',
  Taejon: '大田（テジョン）',
  Taichung: '台中（タイチュン）',
  Tainan: '台南（タイナン）',
  'Tel Aviv': 'テルアビブ',
  Tianjin: '天津（テンシン）',
  Timisoara: 'ティミショアラ',
  Torino: 'トリノ',
  Toulouse: 'トゥールーズ',
  'Tripoli|214': 'トリポリ',
  Trondheim: 'トロンハイム',
  Utrecht: 'ユトレヒト',
  'Valencia|44': 'バレンシア',
  'Valencia|174': 'バレンシア',
  Valletta: 'バレッタ',
  Victoria: 'ビクトリア',
  Washington: 'ワシントン',
  Wellington: 'ウェリントン',
  Wonsan: '元山（ウォンサン）',
  'Wuhan ': '武漢（ウーハン）',
  Yamoussoukro: 'ヤムスクロ',
  Yaounde: 'ヤウンデ',
  Yaren: 'ヤレン',
  Yokohama: '横浜',
  Zamboanga: 'サンボアンガ',
  Zomba: 'ゾンバ',
  // The four names that are written in Japanese in the English list too;
  // their Japanese names are the standard exonyms.
  'ウィニペッグ': 'ウィニペグ',
  'クリアカン': 'クリアカン',
  'セント ・ ジョイス': 'セントジョンズ',
  'プエルト･アヨラ': 'プエルトアヨラ',
};

// English spellings in the city list that name the same place as a CLDR
// exemplar city under another spelling (old transliterations, local forms).
exports.cityAlias = {
  Teheran: 'Tehran', Kiev: 'Kyiv', Riyad: 'Riyadh', Kishinev: 'Chisinau',
  'Ulan Bator': 'Ulaanbaatar', Thimbu: 'Thimphu', Dacca: 'Dhaka',
  Yangon: 'Yangon', 'Ho Chi Minh City': 'Ho Chi Minh', 'Ａsmera': 'Asmara',
  Calcutta: 'Kolkata', Katmandu: 'Kathmandu', Beograd: 'Belgrade',
  "N'Djamena": 'Ndjamena', 'Port-of-Spain': 'Port of Spain',
  'El Aiun': 'El Aaiun', 'Vatican City': 'Vatican', Oakland: 'Auckland',
};

// Today's English names of cities the list keeps under an older name or spelling: the
// settings program's search finds the city by them too; the list shows the name it has.
// (Their Japanese names are today's already.)
exports.searchAlias = {
  Kiev: ['Kyiv'], Madras: ['Chennai'], Bombay: ['Mumbai'], Calcutta: ['Kolkata'],
  Oakland: ['Auckland'], Munchen: ['Munich'],
};

// Rows that name a place another row names already; the search shows the place once, by the
// row named here. The rows themselves stay, as saved settings refer to rows by number.
exports.samePlace = { Kathmandu: 'Katmandu' };

// Corrections of a city's country in input/cities.tsv, which keeps the fixed
// city list row for row. Keyed by the English name as listed; "from" is the
// country number the list gives (the generator stops if that row is not
// there), "coNo" and "zone" the country number and IANA zone used instead.
//  - Kathmandu is the capital of Nepal (22); under Guinea-Bissau (82), as the
//    fixed city list has it, it showed West African time (UTC+0) instead of
//    Nepal's UTC+5:45.
exports.cityCountry = {
  Kathmandu: { from: 82, coNo: 22, zone: 'Asia/Kathmandu' },
};

// Readings (katakana) of kanji city names that CLDR gives without one,
// for the Korean, Chinese and Taiwanese cities. Source: standard Japanese
// usage (hand-written).
exports.cjkReading = {
  '上海': 'シャンハイ',
  '平壌': 'ピョンヤン',
  '台北': 'タイペイ',
};

// Readings that kakasi gets wrong (it reads 日本 as にっぽん; the usual
// reading, and the one for ordering, is にほん).
exports.readingFix = {
  '日本': 'にほん',
  '仏領': 'ふつりょう', // kakasi reads ほとけ (the Buddha) and put French Guiana among the ほ
};

// Japanese country names where the CLDR name does not fit a pick list:
// the short forms are used for Hong Kong, Macao and the USA zones; CLDR's
// "(ブラザビル)" qualifier and "(ビルマ)" are dropped; the 1990s union of
// Serbia and Montenegro has no CLDR code (standard Japanese name, by hand).
exports.useShortName = ['US', 'HK', 'MO'];
exports.entryJa = {
  CG: 'コンゴ共和国',
  MM: 'ミャンマー',
  202: 'セルビア・モンテネグロ',
};

// Entries whose half-hour offset is written as the lower hour plus 30
// minutes rather than the nearer-above hour minus 30 (the form users of the
// Australian central zone are used to: "9 and 30").
exports.plusMinuteForm = [11, 12];

// Details for entities the Factbook no longer has.
//  - Serbia and Montenegro (Yugoslavia): dissolved in 2006; its nearest
//    successor is Serbia (Factbook "ri"), whose data it takes; the long name
//    and languages are those of the state union (2003-2006), by hand.
//  - French Guiana: an overseas department of France; the Factbook dropped
//    its own profile, so these facts are written by hand from public
//    reference data (capital Cayenne, 4 N 53 W, French, euro).
exports.details = {
  202: {
    longName: 'Serbia and Montenegro (state union 2003-2006; data of its successor Serbia)',
    languages: 'Serbian (official), Hungarian, Bosnian, Romani, Albanian (data of Serbia)',
  },
  78: {
    longName: 'Department of Guiana (overseas department of France)',
    capital: 'Cayenne',
    lat: 4, latH: 'N', lon: 53, lonH: 'W',
    capLat: 4.93, capLon: -52.33,
    languages: 'French (official), French Guianese Creole',
    exchange: 'euros per US$1 - 0.7525 (2014 est.), 0.7634 (2013 est.), 0.7752 (2012 est.) (rates of France)',
  },
};

// Flags that no SVG in svg-country-flags shows: the 1992-2006 flag of the
// Federal Republic of Yugoslavia / Serbia and Montenegro, a plain
// blue-white-red horizontal tricolour in the proportion 1:2 (public domain,
// a simple geometric design drawn here).
exports.flagSvg = {
  202: '<svg xmlns="http://www.w3.org/2000/svg" width="1000" height="500" viewBox="0 0 1000 500">' +
    '<rect width="1000" height="167" fill="#003893"/>' +
    '<rect y="167" width="1000" height="166" fill="#ffffff"/>' +
    '<rect y="333" width="1000" height="167" fill="#de0000"/></svg>',
};

// Sub-units of the currencies (CLDR names the units but not their
// fractions). Number of sub-units and their English plural, by hand from the
// ISO 4217 minor-unit conventions and the issuing central banks.
exports.subunit = {
  AED: [100, 'fils'], AFN: [100, 'puls'], ALL: [100, 'qindarka'],
  AMD: [100, 'luma'], AOA: [100, 'centimos'], ARS: [100, 'centavos'],
  AUD: [100, 'cents'], AZN: [100, 'qapik'], BAM: [100, 'fenings'],
  BBD: [100, 'cents'], BDT: [100, 'poisha'], BGN: [100, 'stotinki'],
  BHD: [1000, 'fils'], BIF: [100, 'centimes'], BND: [100, 'sen'],
  BOB: [100, 'centavos'], BRL: [100, 'centavos'], BSD: [100, 'cents'],
  BTN: [100, 'chhertum'], BWP: [100, 'thebe'], BYN: [100, 'kapeyki'],
  BZD: [100, 'cents'], CAD: [100, 'cents'], CDF: [100, 'centimes'],
  CHF: [100, 'rappen'], CLP: [100, 'centavos'], CNY: [100, 'fen'],
  COP: [100, 'centavos'], CRC: [100, 'centimos'], CUP: [100, 'centavos'],
  CVE: [100, 'centavos'], CZK: [100, 'haleru'], DJF: [100, 'centimes'],
  DKK: [100, 'ore'], DOP: [100, 'centavos'], DZD: [100, 'centimes'],
  EGP: [100, 'piastres'], ERN: [100, 'cents'], ETB: [100, 'santim'],
  EUR: [100, 'cents'], FJD: [100, 'cents'], GBP: [100, 'pence'],
  GEL: [100, 'tetri'], GHS: [100, 'pesewas'], GMD: [100, 'bututs'],
  GNF: [100, 'centimes'], GTQ: [100, 'centavos'], GYD: [100, 'cents'],
  HKD: [100, 'cents'], HNL: [100, 'centavos'], HTG: [100, 'centimes'],
  HUF: [100, 'filler'], IDR: [100, 'sen'], ILS: [100, 'agorot'],
  INR: [100, 'paise'], IQD: [1000, 'fils'], IRR: [100, 'dinars'],
  ISK: [100, 'aurar'], JMD: [100, 'cents'], JOD: [1000, 'fils'],
  JPY: [100, 'sen'], KES: [100, 'cents'], KGS: [100, 'tyiyn'],
  KHR: [100, 'sen'], KMF: [100, 'centimes'], KPW: [100, 'chon'],
  KRW: [100, 'jeon'], KWD: [1000, 'fils'], KZT: [100, 'tiyn'],
  LAK: [100, 'att'], LBP: [100, 'piastres'], LKR: [100, 'cents'],
  LRD: [100, 'cents'], LSL: [100, 'lisente'], LYD: [1000, 'dirhams'],
  MAD: [100, 'centimes'], MDL: [100, 'bani'], MGA: [5, 'iraimbilanja'],
  MKD: [100, 'deni'], MMK: [100, 'pyas'], MNT: [100, 'mongo'],
  MOP: [100, 'avos'], MRU: [5, 'khoums'], MUR: [100, 'cents'],
  MVR: [100, 'laari'], MWK: [100, 'tambala'], MXN: [100, 'centavos'],
  MYR: [100, 'sen'], MZN: [100, 'centavos'], NAD: [100, 'cents'],
  NGN: [100, 'kobo'], NIO: [100, 'centavos'], NOK: [100, 'ore'],
  NPR: [100, 'paisa'], NZD: [100, 'cents'], OMR: [1000, 'baisa'],
  PAB: [100, 'centesimos'], PEN: [100, 'centimos'], PGK: [100, 'toea'],
  PHP: [100, 'centavos'], PKR: [100, 'paisa'], PLN: [100, 'groszy'],
  PYG: [100, 'centimos'], QAR: [100, 'dirhams'], RON: [100, 'bani'],
  RSD: [100, 'para'], RUB: [100, 'kopeks'], RWF: [100, 'centimes'],
  SAR: [100, 'halalas'], SBD: [100, 'cents'], SCR: [100, 'cents'],
  SDG: [100, 'piastres'], SEK: [100, 'ore'], SGD: [100, 'cents'],
  SLE: [100, 'cents'], SOS: [100, 'cents'], SRD: [100, 'cents'],
  STN: [100, 'centimos'], SVC: [100, 'centavos'], SYP: [100, 'piastres'],
  SZL: [100, 'cents'], THB: [100, 'satang'], TJS: [100, 'diram'],
  TMT: [100, 'tenge'], TND: [1000, 'millimes'], TOP: [100, 'seniti'],
  TRY: [100, 'kurus'], TTD: [100, 'cents'], TWD: [100, 'cents'],
  TZS: [100, 'cents'], UAH: [100, 'kopiyok'], UGX: [100, 'cents'],
  USD: [100, 'cents'], UYU: [100, 'centesimos'], UZS: [100, 'tiyin'],
  VES: [100, 'centimos'], VND: [10, 'hao'], VUV: [100, 'cents'],
  WST: [100, 'sene'], XAF: [100, 'centimes'], XCD: [100, 'cents'],
  XOF: [100, 'centimes'], YER: [100, 'fils'], ZAR: [100, 'cents'],
  ZMW: [100, 'ngwee'], ZWG: [100, 'cents'], ZWL: [100, 'cents'],
};
