// The built folder as one HTML file that runs from a disk, with no server and no network: the
// page's modules joined into one inline module by the served page's own join, the core's wasm,
// the fonts and the drawings inside it as data, and a content policy that lets in exactly what
// the file holds. It runs before that join, while the folder still holds the separate modules.
//   node src/web/tools/single_file.mjs [folder]
import { createHash } from 'node:crypto';
import { existsSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { bundle } from '../bundle.mjs';

export const SINGLE_FILE = 'operazioni-in-vertola.html';

const TYPES = { '.woff2': 'font/woff2', '.svg': 'image/svg+xml', '.png': 'image/png' };

/** @param {string} file */
function dataUrl(file) {
  const type = TYPES[path.extname(file)];
  if (!type) throw new Error(`single_file: no type known for ${file}`);
  return `data:${type};base64,${readFileSync(file).toString('base64')}`;
}

/** In place of the empty embedded.js: the core's glue, its wasm and every drawing. */
function embeddedModule(folder) {
  const glue = readFileSync(path.join(folder, 'vertola_core.mjs'), 'utf8');
  const wasm = readFileSync(path.join(folder, 'vertola_core.wasm')).toString('base64');
  const drawings = Object.fromEntries(readdirSync(path.join(folder, 'assets')).filter((name) => name.endsWith('.svg'))
    .sort().map((name) => [path.basename(name, '.svg'), dataUrl(path.join(folder, 'assets', name))]));
  // The core is decoded when it is started, after the main menu's first look, not before it.
  return `${glue.replace(/^export default createVertola;$/m, '')}
const coreBase64 = ${JSON.stringify(wasm)};
export const embedded = { createVertola, get wasmBinary() { return Uint8Array.from(atob(coreBase64), (c) => c.charCodeAt(0)); },
  drawings: ${JSON.stringify(drawings)} };
`;
}

/** The style sheet with every file it names inside it. */
function inlineStyle(folder) {
  return readFileSync(path.join(folder, 'style.css'), 'utf8').replace(/url\((['"]?)([^'")]+)\1\)/g, (whole, _, url) => {
    if (url.startsWith('data:')) return whole;
    const file = path.join(folder, url);
    if (!existsSync(file)) throw new Error(`single_file: style.css names ${url}, which is not in the folder`);
    return `url(${dataUrl(file)})`;
  });
}

const sha256 = (/** @type {string} */ text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

/** @param {string} folder @returns {string} the single file's HTML */
export function buildSingleFile(folder) {
  const html = readFileSync(path.join(folder, 'index.html'), 'utf8');
  const entry = /<script type="module" src="([^"]+)"([^>]*)><\/script>/.exec(html);
  if (!entry) throw new Error('single_file: index.html has no module script');
  // A "</script" inside the code would end the element early; "<\/" means the same to the script.
  const script = bundle(folder, entry[1], { 'embedded.js': embeddedModule(folder) }).text.replace(/<\/(script)/gi, '<\\/$1');
  const style = inlineStyle(folder).replace(/<\/(style)/gi, '<\\/$1');
  // Only what the file itself holds: its one script and style, the core, fonts and drawings as data.
  const policy = [`default-src 'none'`, `script-src ${sha256(script)} 'wasm-unsafe-eval'`, `style-src ${sha256(style)}`,
    `img-src data:`, `font-src data:`, `base-uri 'none'`, `form-action 'none'`].join('; ');
  let out = html
    .replace(/<!--[\s\S]*?-->\n?/g, '')
    // Preloads, the manifest and the worker belong to the served folder: here everything is in already.
    .replace(/<link rel="(?:modulepreload|preload|manifest)"[^>]*>\n?/g, '')
    // So is loading the page again when its files did not come: here they are all inside.
    .replace(/\s*<a class="button" href="">Riprova<\/a>/, '')
    .replace(/<link rel="icon" href="([^"?]+)[^"]*"[^>]*>/, (_, href) => `<link rel="icon" href="${dataUrl(path.join(folder, href))}">`)
    .replace(/<meta http-equiv="Content-Security-Policy" content="[^"]*">/, () => `<meta http-equiv="Content-Security-Policy" content="${policy}">`);
  out = out
    .replace(/<link rel="stylesheet" href="style.css">/, () => `<style>${style}</style>`)
    .replace(entry[0], () => `<script type="module"${entry[2]}>${script}</script>`);
  const left = /<(?:link|script|img)\b[^>]*\b(?:href|src)="(?!data:)[^"]*"[^>]*>/.exec(out);
  if (left || !out.includes(policy)) throw new Error(`single_file: index.html still needs a file beside it: ${left?.[0] ?? 'policy'}`);
  return out;
}

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
  const folder = path.resolve(process.argv[2] ?? 'build/web');
  const html = buildSingleFile(folder);
  writeFileSync(path.join(folder, SINGLE_FILE), html);
  console.log(`${path.relative(process.cwd(), path.join(folder, SINGLE_FILE))}: ${Buffer.byteLength(html)} bytes`);
}
