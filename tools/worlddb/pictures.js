// Flag pictures and the world time-zone map of the world database: 16-colour,
// 4-bit-per-pixel uncompressed BMP files with their own 16-entry palettes.
'use strict';

const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');

const FLAG_H = 36;
const MAP_W = 349;
const MAP_H = 206;

// ------------------------------------------------------------------ BMP -----
// pixels: Uint8Array of palette indices, row-major from the top.
function writeBmp4(file, width, height, palette, pixels) {
  if (palette.length > 16) throw new Error('palette over 16 colours');
  const pal = [...palette];
  while (pal.length < 16) pal.push([0, 0, 0]);
  const rowBytes = Math.ceil(width / 2 + 0) + ((4 - (Math.ceil(width / 2) % 4)) % 4);
  const imageSize = rowBytes * height;
  const offset = 14 + 40 + 16 * 4;
  const buf = Buffer.alloc(offset + imageSize);
  buf.write('BM', 0, 'ascii');
  buf.writeUInt32LE(offset + imageSize, 2);
  buf.writeUInt32LE(offset, 10);
  buf.writeUInt32LE(40, 14);
  buf.writeInt32LE(width, 18);
  buf.writeInt32LE(height, 22);
  buf.writeUInt16LE(1, 26);
  buf.writeUInt16LE(4, 28);
  buf.writeUInt32LE(0, 30); // BI_RGB: uncompressed
  buf.writeUInt32LE(imageSize, 34);
  buf.writeInt32LE(3780, 38);
  buf.writeInt32LE(3780, 42);
  buf.writeUInt32LE(16, 46);
  buf.writeUInt32LE(16, 50);
  pal.forEach(([r, g, b], i) => { buf[54 + 4 * i] = b; buf[55 + 4 * i] = g; buf[56 + 4 * i] = r; });
  for (let y = 0; y < height; y += 1) {
    const row = offset + (height - 1 - y) * rowBytes; // bottom-up
    for (let x = 0; x < width; x += 1) {
      const v = pixels[y * width + x] & 15;
      buf[row + (x >> 1)] |= (x & 1) ? v : v << 4;
    }
  }
  fs.writeFileSync(file, buf);
}

// ----------------------------------------------------------- tiny font ------
// 3 x 5 pixel glyphs for the zone numbers and the placeholder text.
const FONT = {
  0: ['111', '101', '101', '101', '111'], 1: ['010', '110', '010', '010', '111'],
  2: ['111', '001', '111', '100', '111'], 3: ['111', '001', '111', '001', '111'],
  4: ['101', '101', '111', '001', '001'], 5: ['111', '100', '111', '001', '111'],
  6: ['111', '100', '111', '101', '111'], 7: ['111', '001', '010', '010', '010'],
  8: ['111', '101', '111', '101', '111'], 9: ['111', '101', '111', '001', '111'],
  '-': ['000', '000', '111', '000', '000'], '+': ['000', '010', '111', '010', '000'],
  ' ': ['000', '000', '000', '000', '000'],
  U: ['101', '101', '101', '101', '111'], N: ['111', '101', '101', '101', '101'],
  D: ['110', '101', '101', '101', '110'], E: ['111', '100', '110', '100', '111'],
  R: ['110', '101', '110', '101', '101'], C: ['111', '100', '100', '100', '111'],
  O: ['111', '101', '101', '101', '111'], S: ['111', '100', '111', '001', '111'],
  T: ['111', '010', '010', '010', '010'], I: ['111', '010', '010', '010', '111'],
};
const textWidth = (s) => s.length * 4 - 1;
function drawText(pixels, width, x0, y0, s, colour) {
  [...s].forEach((ch, k) => {
    const g = FONT[ch];
    for (let y = 0; y < 5; y += 1) {
      for (let x = 0; x < 3; x += 1) {
        if (g[y][x] === '1') {
          const px = x0 + k * 4 + x; const py = y0 + y;
          if (px >= 0 && px < width) pixels[py * width + px] = colour;
        }
      }
    }
  });
}

// ---------------------------------------------------------------- flags -----
function svgAspect(svg) {
  const vb = /viewBox="\s*([-\d.]+)[\s,]+([-\d.]+)[\s,]+([\d.]+)[\s,]+([\d.]+)/.exec(svg);
  if (vb) return Number(vb[3]) / Number(vb[4]);
  const w = /\bwidth="([\d.]+)/.exec(svg); const h = /\bheight="([\d.]+)/.exec(svg);
  return Number(w[1]) / Number(h[1]);
}
// Quantises raw RGB to at most 16 colours. ImageMagick has already reduced
// the picture to 16 colours; this builds the palette in order of frequency.
function toIndexed(rgb, n) {
  const counts = new Map();
  for (let i = 0; i < n; i += 1) {
    const k = (rgb[3 * i] << 16) | (rgb[3 * i + 1] << 8) | rgb[3 * i + 2];
    counts.set(k, (counts.get(k) || 0) + 1);
  }
  const keys = [...counts.keys()].sort((a, b) => counts.get(b) - counts.get(a));
  if (keys.length > 16) throw new Error(`${keys.length} colours`);
  const index = new Map(keys.map((k, i) => [k, i]));
  const pixels = new Uint8Array(n);
  for (let i = 0; i < n; i += 1) pixels[i] = index.get((rgb[3 * i] << 16) | (rgb[3 * i + 1] << 8) | rgb[3 * i + 2]);
  return { palette: keys.map((k) => [(k >> 16) & 255, (k >> 8) & 255, k & 255]), pixels };
}
function renderFlag(svgText, file, work) {
  const aspect = svgAspect(svgText);
  const width = Math.max(27, Math.min(73, Math.round(FLAG_H * aspect)));
  const svgFile = path.join(work, 'in.svg');
  const big = path.join(work, 'big.png');
  fs.writeFileSync(svgFile, svgText);
  // Render at four times the size and let ImageMagick box-filter it down:
  // thin details (stars, crosses) keep their colour instead of fading.
  execFileSync('rsvg-convert', ['-w', String(width * 4), '-h', String(FLAG_H * 4), '-o', big, svgFile]);
  const rgb = execFileSync('convert', [big, '-background', 'white', '-alpha', 'remove', '-filter', 'Box',
    '-resize', `${width}x${FLAG_H}!`, '+dither', '-colors', '16', '-depth', '8', 'rgb:-'], { maxBuffer: 1 << 24 });
  const { palette, pixels } = toIndexed(rgb, width * FLAG_H);
  writeBmp4(file, width, FLAG_H, palette, pixels);
  return width;
}
function placeholder(file) {
  const w = 54; const px = new Uint8Array(w * FLAG_H).fill(0);
  drawText(px, w, Math.floor((w - textWidth('UNDER')) / 2), 10, 'UNDER', 1);
  drawText(px, w, Math.floor((w - textWidth('CONSTRUCTION')) / 2), 20, 'CONSTRUCTION', 1);
  writeBmp4(file, w, FLAG_H, [[0, 128, 0], [255, 255, 255]], px);
}

// ------------------------------------------------------------------ map -----
// The details panel puts its cross-hair at x = 3620 + 5200 (EW + 180) / 360
// and y = 620 + 3000 (SN + 90) / 180 twips, over a map whose top left corner
// is at (3720, 120) twips, 15 twips a pixel. Pixel centres are mapped back
// through the same formulas, so a place's pixel is where the lines cross.
const lonOfX = (x) => ((3720 + 15 * (x + 0.5)) - 3620) * 360 / 5200 - 180;
const latOfY = (y) => 90 - ((120 + 15 * (y + 0.5)) - 620) * 180 / 3000;
const xOfLon = (lon) => Math.floor(((3620 + 5200 * (lon + 180) / 360) - 3720) / 15);
const yOfLat = (lat) => Math.floor(((620 + 3000 * (90 - lat) / 180) - 120) / 15);
const BAND = 11; // rows of each zone-number band
const MAP_PALETTE = [
  [0, 0, 0], // 0 band ground
  [255, 255, 255], // 1 band digits
  [36, 72, 132], // 2 sea
  [58, 96, 158], // 3 nominal zone boundaries at sea
  [255, 245, 140], // 4..9 land by whole-hour offset, cycling
  [150, 230, 140],
  [255, 190, 120],
  [140, 215, 250],
  [250, 160, 200],
  [200, 175, 255],
  [200, 120, 60], // 10 land whose offset is not a whole hour
  [128, 128, 128], // 11 land without a zone (none expected)
];
const landColour = (minutes) => (minutes % 60 !== 0 ? 10 : 4 + ((((minutes / 60) % 6) + 6) % 6));

function pointInRing(lon, lat, ring) {
  let inside = false;
  for (let i = 0, j = ring.length - 1; i < ring.length; j = i, i += 1) {
    const [xi, yi] = ring[i]; const [xj, yj] = ring[j];
    if ((yi > lat) !== (yj > lat) && lon < ((xj - xi) * (lat - yi)) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}
function loadCountries(ctx) {
  const topo = JSON.parse(fs.readFileSync(path.join(ctx.NM, 'world-atlas', 'countries-50m.json'), 'utf8'));
  const fc = ctx.topojson.feature(topo, topo.objects.countries);
  const polys = [];
  for (const f of fc.features) {
    const list = f.geometry ? (f.geometry.type === 'Polygon' ? [f.geometry.coordinates] : f.geometry.coordinates) : [];
    for (let rings of list) {
      // A ring that crosses the antimeridian is moved to 0..360 degrees so
      // that the even-odd test does not see it spanning the whole globe.
      const xs = rings[0].map(([x]) => x);
      const wraps = Math.max(...xs) - Math.min(...xs) > 180;
      if (wraps) rings = rings.map((r) => r.map(([x, y]) => [x < 0 ? x + 360 : x, y]));
      let minX = 1e9; let minY = 1e9; let maxX = -1e9; let maxY = -1e9;
      for (const [x, y] of rings[0]) { minX = Math.min(minX, x); maxX = Math.max(maxX, x); minY = Math.min(minY, y); maxY = Math.max(maxY, y); }
      polys.push({ id: f.id, rings, minX, minY, maxX, maxY, wraps });
    }
  }
  return polys;
}
function countryAt(polys, lon0, lat) {
  for (const p of polys) {
    const lon = p.wraps && lon0 < 0 ? lon0 + 360 : lon0;
    if (lon < p.minX || lon > p.maxX || lat < p.minY || lat > p.maxY) continue;
    if (pointInRing(lon, lat, p.rings[0]) && !p.rings.slice(1).some((h) => pointInRing(lon, lat, h))) return p.id;
  }
  return null;
}
function renderMap(ctx, file) {
  const polys = loadCountries(ctx);
  const owner = new Array(MAP_W * MAP_H).fill(null);
  const px = new Uint8Array(MAP_W * MAP_H).fill(2);
  const stdCache = new Map();
  for (let y = 0; y < MAP_H; y += 1) {
    const lat = latOfY(y);
    for (let x = 0; x < MAP_W; x += 1) {
      let lon = lonOfX(x);
      if (lon > 180) lon -= 360;
      const i = y * MAP_W + x;
      if (y < BAND || y >= MAP_H - BAND) { px[i] = 0; continue; }
      if (lat > 90 || lat < -90) continue;
      const id = countryAt(polys, lon, lat);
      if (id === null) {
        // nominal zone boundaries, dotted, at sea
        const e = (lon + 7.5 + 360) % 15;
        if (e < 15 * 360 / 5200 * 15 / 15 && y % 2 === 0) px[i] = 3;
        continue;
      }
      owner[i] = id;
      const zone = ctx.tzlookup(lat, lon);
      let std = stdCache.get(zone);
      if (std === undefined) { std = ctx.zoneInfo(zone).std; stdCache.set(zone, std); }
      px[i] = landColour(std);
    }
  }
  for (let n = -11; n <= 12; n += 1) {
    const label = n > 0 ? `+${n}` : String(n);
    const cx = xOfLon(15 * n);
    const x0 = Math.min(MAP_W - textWidth(label), Math.max(0, cx - Math.floor(textWidth(label) / 2)));
    drawText(px, MAP_W, x0, 3, label, 1);
    drawText(px, MAP_W, x0, MAP_H - BAND + 3, label, 1);
  }
  writeBmp4(file, MAP_W, MAP_H, MAP_PALETTE, px);
  return { owner, px };
}

// --------------------------------------------------------------- driver -----
function run(ctx) {
  const { details, groups, OUT, WORK, NM, ovr, note } = ctx;
  const flagDir = path.join(OUT, 'flags');
  fs.mkdirSync(flagDir, { recursive: true });
  fs.mkdirSync(WORK, { recursive: true });
  const name = (i) => path.join(flagDir, `flag${String(i).padStart(3, '0')}.bmp`);
  writeBmp4(name(0), 54, FLAG_H, [[255, 255, 255]], new Uint8Array(54 * FLAG_H));
  placeholder(name(1));
  const widths = new Map();
  for (const d of details.slice(1)) {
    const coNo = d.entries[0].coNo;
    let svg = ovr.flagSvg[coNo];
    if (!svg) svg = fs.readFileSync(path.join(NM, 'svg-country-flags', 'svg', `${d.iso.toLowerCase()}.svg`), 'utf8');
    const w = renderFlag(svg, name(d.flag), WORK);
    widths.set(w, (widths.get(w) || 0) + 1);
  }
  note('flag widths: ' + [...widths.keys()].sort((a, b) => a - b).map((w) => `${w} px: ${widths.get(w)}`).join(', '));
  // Contact sheet of all pictures, for checking by eye.
  const sheet = path.join(ctx.ROOT, 'docs', 'flags.png');
  fs.mkdirSync(path.dirname(sheet), { recursive: true });
  const files = [];
  for (let i = 0; i < 198; i += 1) files.push(name(i));
  execFileSync('montage', [...files, '-tile', '14x', '-geometry', '73x36+3+3', '-background', '#c0c0c0', sheet]);

  const { owner, px } = renderMap(ctx, path.join(OUT, 'world.bmp'));
  execFileSync('convert', [path.join(OUT, 'world.bmp'), '-scale', '300%', path.join(ctx.ROOT, 'docs', 'world-map.png')]);

  // Check of the projection with the capitals: the pixel where the
  // cross-hair formulas put each capital should belong to its own country.
  const numeric = {};
  for (const [a2, v] of Object.entries(ctx.cldrCodes)) if (v._numeric) numeric[a2] = v._numeric;
  let onOwn = 0; let near = 0; const misses = [];
  groups.forEach((g) => {
    if (!g.capC) { misses.push(`${g.entries[0].name} (no capital position)`); return; }
    const x = xOfLon(g.capC.lon); const y = yOfLat(g.capC.lat);
    const want = g.iso === '-' ? '688' : numeric[g.iso];
    const at = (xx, yy) => (xx >= 0 && yy >= 0 && xx < MAP_W && yy < MAP_H ? owner[yy * MAP_W + xx] : null);
    if (at(x, y) === want) { onOwn += 1; return; }
    let found = false;
    for (let dy = -2; dy <= 2 && !found; dy += 1) for (let dx = -2; dx <= 2 && !found; dx += 1) if (at(x + dx, y + dy) === want) found = true;
    if (found) near += 1; else misses.push(g.entries[0].name);
  });
  note(`capitals on the map: ${onOwn} on their own country's pixel, ${near} within 2 px, ${misses.length} not on it (too small at this scale): ${misses.join(', ')}`);
  void px;
}

module.exports = { run, writeBmp4, MAP_PALETTE, landColour, xOfLon, yOfLat };
