// Makes the built folder an installable web app that works without a network: icons rendered from
// the program's icon, a manifest with the program's name and colours, and the service worker
// stamped with the folder's content hash and its file list.
//   node --no-experimental-fetch src/web/tools/offline_app.mjs [folder]
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { mkdirSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { loadCore } from './first_look.mjs';
import { SINGLE_FILE } from './single_file.mjs';

const ICON_SIZES = [192, 512];
const VERSION_LINE = /^const VERSION = .*;$/m;
const FILES_LINE = /^const FILES = .*;$/m;

/** Every file below the folder, as paths relative to it with forward slashes, sorted. */
export function filesBelow(folder, under = '') {
  return readdirSync(path.join(folder, under), { withFileTypes: true }).flatMap((entry) => {
    const relative = under ? `${under}/${entry.name}` : entry.name;
    return entry.isDirectory() ? filesBelow(folder, relative) : [relative];
  }).sort();
}

/** The program's icon as PNG files of the sizes an installed app needs. */
function renderIcons(folder) {
  mkdirSync(path.join(folder, 'icons'), { recursive: true });
  return ICON_SIZES.map((size) => {
    const src = `icons/icon-${size}.png`;
    execFileSync('rsvg-convert', ['-w', String(size), '-h', String(size), '-o', path.join(folder, src),
      path.join(folder, 'assets/icon.svg')]);
    return { src, sizes: `${size}x${size}`, type: 'image/png', purpose: 'any' };
  });
}

// The main menu's background, from the core's own table.
async function mainMenuBackground(folder) {
  const core = await loadCore(folder);
  const main = JSON.parse(core.cwrap('vt_layouts', 'string', [])()).find((layout) => layout.mainWindow);
  return `#${main.background.map((channel) => channel.toString(16).padStart(2, '0')).join('')}`;
}

/** @param {string} text @param {RegExp} pattern @param {string} what */
function find(text, pattern, what) {
  const match = pattern.exec(text);
  if (!match) throw new Error(`offline_app: no ${what} found`);
  return match[1];
}

async function writeManifest(folder) {
  const html = readFileSync(path.join(folder, 'index.html'), 'utf8');
  const css = readFileSync(path.join(folder, 'style.css'), 'utf8');
  const name = find(html, /<title>([^<]+)<\/title>/, 'title in index.html');
  const manifest = {
    id: './',
    name,
    short_name: name,
    lang: find(html, /<html lang="([^"]+)"/, 'language in index.html'),
    start_url: './',
    scope: './',
    display: 'standalone',
    background_color: await mainMenuBackground(folder),
    // The caption bar of the window in front, as the page draws it.
    theme_color: find(css, /\.window\.active > \.caption-bar \{[^}]*background: (#[0-9a-fA-F]{6})/, 'active caption colour'),
    icons: renderIcons(folder),
  };
  writeFileSync(path.join(folder, 'manifest.webmanifest'), `${JSON.stringify(manifest, null, 2)}\n`);
}

/**
 * Writes into the folder's sw.js the list of files it keeps and a version that changes with any of
 * them. Run again on a changed folder, it stamps the new version.
 * @returns {string} the version
 */
export function stampServiceWorker(folder) {
  const workerFile = path.join(folder, 'sw.js');
  const worker = readFileSync(workerFile, 'utf8');
  if (!VERSION_LINE.test(worker) || !FILES_LINE.test(worker)) throw new Error('offline_app: sw.js has no VERSION or FILES line');
  // The worker itself is fetched by the browser on every visit, and the single file is a download
  // for disks, not part of the served page.
  const kept = filesBelow(folder).filter((file) => file !== 'sw.js' && file !== SINGLE_FILE);
  const hash = createHash('sha256');
  hash.update(worker.replace(VERSION_LINE, '').replace(FILES_LINE, ''));
  for (const file of kept) hash.update(`${file}\0`).update(readFileSync(path.join(folder, file)));
  const version = hash.digest('hex').slice(0, 16);
  writeFileSync(workerFile, worker.replace(VERSION_LINE, `const VERSION = '${version}';`)
    .replace(FILES_LINE, `const FILES = ${JSON.stringify(['./', ...kept])};`));
  return version;
}

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
  const folder = path.resolve(process.argv[2] ?? 'build/web');
  await writeManifest(folder);
  console.log(`${path.relative(process.cwd(), folder)}/sw.js: version ${stampServiceWorker(folder)}`);
}
