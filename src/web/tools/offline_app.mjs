// Makes the built folder an installable web app: icons rendered from the program's icon and a
// manifest with the program's name and colours. What the worker keeps offline is release.mjs's.
//   node --no-experimental-fetch src/web/tools/offline_app.mjs [folder]
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { loadCore } from './first_look.mjs';

const ICON_SIZES = [192, 512];

/** The program's icon as PNG files of the sizes an installed app needs. @param {string} folder */
function renderIcons(folder) {
  mkdirSync(path.join(folder, 'icons'), { recursive: true });
  return ICON_SIZES.map((size) => {
    const src = `icons/icon-${size}.png`;
    execFileSync('rsvg-convert', ['-w', String(size), '-h', String(size), '-o', path.join(folder, src),
      path.join(folder, 'assets/icon.svg')]);
    return { src, sizes: `${size}x${size}`, type: 'image/png', purpose: 'any' };
  });
}

/** The main menu's background, from the core's own table. @param {string} folder */
async function mainMenuBackground(folder) {
  const core = await loadCore(folder);
  const main = JSON.parse(core.cwrap('vt_layouts', 'string', [])()).find((/** @type {{mainWindow: boolean}} */ layout) => layout.mainWindow);
  return `#${main.background.map((/** @type {number} */ channel) => channel.toString(16).padStart(2, '0')).join('')}`;
}

/** @param {string} text @param {RegExp} pattern @param {string} what */
function find(text, pattern, what) {
  const match = pattern.exec(text);
  if (!match) throw new Error(`offline_app: no ${what} found`);
  return match[1];
}

/** @param {string} folder */
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

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
  const folder = path.resolve(process.argv[2] ?? 'build/web');
  await writeManifest(folder);
  console.log(`${path.relative(process.cwd(), path.join(folder, 'manifest.webmanifest'))}: written`);
}
