// The built folder as one HTML file that runs from a disk, with no server and no network: the
// page's modules joined into one inline module by the served page's own bundle, the core's wasm,
// the fonts and the drawings inside it as data, and a content policy that lets in exactly what
// the file holds. The page's modules are read from their sources, the first look from its
// generated module; the folder gives the page, the core, the fonts and the drawings it serves.
//   node src/web/tools/single_file.mjs <folder> <page entry> [module.js=generated.js ...]
import { createHash } from 'node:crypto';
import { existsSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { bundle, readGenerated } from './bundle.mjs';

export const SINGLE_FILE = 'operazioni-in-vertola.html';

const TYPES = { '.woff2': 'font/woff2', '.svg': 'image/svg+xml', '.png': 'image/png' };

/** @param {string} file */
function dataUrl(file) {
  const type = TYPES[/** @type {keyof typeof TYPES} */ (path.extname(file))];
  if (!type) throw new Error(`single_file: no type known for ${file}`);
  return `data:${type};base64,${readFileSync(file).toString('base64')}`;
}

/** In place of the empty embedded.js: the core's glue, its wasm and every drawing. @param {string} folder */
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

/** The style sheet with every file it names inside it. @param {string} folder */
function inlineStyle(folder) {
  return readFileSync(path.join(folder, 'style.css'), 'utf8').replace(/url\((['"]?)([^'")]+)\1\)/g, (whole, _, /** @type {string} */ url) => {
    if (url.startsWith('data:')) return whole;
    const file = path.join(folder, url);
    if (!existsSync(file)) throw new Error(`single_file: style.css names ${url}, which is not in the folder`);
    return `url(${dataUrl(file)})`;
  });
}

const sha256 = (/** @type {string} */ text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

/**
 * @param {string} folder the built folder
 * @param {string} pageEntry the page's main module among its sources
 * @param {Record<string, string>} [generated] the build's modules in place of the page's, by name
 * @returns {Promise<string>} the single file's HTML
 */
export async function buildSingleFile(folder, pageEntry, generated = {}) {
  const html = readFileSync(path.join(folder, 'index.html'), 'utf8');
  const entry = /<script type="module" src="([^"]+)"([^>]*)><\/script>/.exec(html);
  if (!entry) throw new Error('single_file: index.html has no module script');
  const code = await bundle(pageEntry, { ...generated, 'embedded.js': embeddedModule(folder) });
  // A "</script" inside the code would end the element early; "<\/" means the same to the script.
  // Nor do the inline drawings' references to their own parts, url(#…), name a file: escaped, they
  // do not read as one to a scan for the files that the page names. Both occur only inside strings.
  const script = code.replace(/<\/(script)/gi, '<\\/$1').replaceAll('url(#', 'url\\u0028#');
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
    .replace(/<link rel="icon" href="([^"?]+)[^"]*"[^>]*>/, (_, /** @type {string} */ href) => `<link rel="icon" href="${dataUrl(path.join(folder, href))}">`)
    .replace(/<meta http-equiv="Content-Security-Policy" content="[^"]*">/, () => `<meta http-equiv="Content-Security-Policy" content="${policy}">`);
  out = out
    .replace(/<link rel="stylesheet" href="style.css">/, () => `<style>${style}</style>`)
    .replace(entry[0], () => `<script type="module"${entry[2]}>${script}</script>`);
  const left = /<(?:link|script|img)\b[^>]*\b(?:href|src)="(?!data:)[^"]*"[^>]*>/.exec(out);
  if (left || !out.includes(policy)) throw new Error(`single_file: index.html still needs a file beside it: ${left?.[0] ?? 'policy'}`);
  return out;
}

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
  const [folder, pageEntry, ...pairs] = process.argv.slice(2);
  if (!folder || !pageEntry) throw new Error('usage: single_file.mjs <folder> <page entry> [module.js=generated.js ...]');
  const html = await buildSingleFile(path.resolve(folder), pageEntry, readGenerated(pairs));
  writeFileSync(path.join(folder, SINGLE_FILE), html);
  console.log(`${path.relative(process.cwd(), path.join(folder, SINGLE_FILE))}: ${Buffer.byteLength(html)} bytes`);
}
