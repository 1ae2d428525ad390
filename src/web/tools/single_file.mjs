// The built folder as one HTML file that runs from a disk, with no server and no network: the
// page's modules joined into one inline module, the core's wasm, the fonts and the drawings inside
// it as data, and a content policy that lets in exactly what the file holds.
//   node src/web/tools/single_file.mjs [folder]
import { createHash } from 'node:crypto';
import { existsSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const SINGLE_FILE = 'operazioni-in-vertola.html';

const TYPES = { '.woff2': 'font/woff2', '.svg': 'image/svg+xml', '.png': 'image/png' };
const IMPORT = /^import\s*\{([^}]*)\}\s*from\s*'(\.\/[^']+)';?[ \t]*$/gm;
const EXPORT_DECLARATION = /^export\s+((?:async\s+)?function\*?|class|const|let)\s+([\w$]+)/gm;

/** @param {string} file */
function dataUrl(file) {
  const type = TYPES[path.extname(file)];
  if (!type) throw new Error(`single_file: no type known for ${file}`);
  return `data:${type};base64,${readFileSync(file).toString('base64')}`;
}

/** The module's name as a variable of the joined script. @param {string} file */
const moduleVariable = (file) => `$${path.basename(file).replace(/\W/g, '_')}`;

/**
 * One page module turned into a function's body that returns its exports, with the names it
 * imports taken from the modules already run.
 * @param {string} source
 * @param {string} file
 * @returns {{ body: string, imports: string[] }}
 */
function rewriteModule(source, file) {
  /** @type {string[]} */
  const imports = [];
  /** @type {string[]} */
  const exports = [];
  let body = source.replace(IMPORT, (_, names, from) => {
    imports.push(from);
    const bindings = names.split(',').map((name) => name.trim()).filter(Boolean)
      .map((name) => name.replace(/^([\w$]+)\s+as\s+([\w$]+)$/, '$1: $2'));
    return `const { ${bindings.join(', ')} } = ${moduleVariable(from)};`;
  });
  body = body.replace(EXPORT_DECLARATION, (_, kind, name) => {
    exports.push(name);
    return `${kind} ${name}`;
  });
  body = body.replace(/^export\s*\{\s*\};?[ \t]*$/gm, '');
  body = body.replace(/^export default ([\w$]+);?[ \t]*$/gm, (_, name) => {
    exports.push(`default: ${name}`);
    return '';
  });
  const left = /^(import|export)\b.*$/m.exec(body);
  if (left) throw new Error(`single_file: ${file} has a statement this build cannot join: ${left[0]}`);
  return { body: `${body}\nreturn { ${exports.join(', ')} };`, imports };
}

/**
 * The page's modules from `entry` down, each run once in the order of its imports, as one script.
 * `replaced` gives modules of the folder another source.
 * @param {string} folder
 * @param {string} entry
 * @param {Record<string, string>} replaced
 */
export function joinModules(folder, entry, replaced = {}) {
  /** @type {string[]} */
  const parts = [];
  const done = new Set();
  const visiting = new Set();
  /** @param {string} name */
  const visit = (name) => {
    if (done.has(name)) return;
    if (visiting.has(name)) throw new Error(`single_file: modules import each other around ${name}`);
    visiting.add(name);
    const source = replaced[name] ?? readFileSync(path.join(folder, name), 'utf8');
    const { body, imports } = rewriteModule(source, name);
    for (const imported of imports) visit(imported.replace(/^\.\//, ''));
    parts.push(`const ${moduleVariable(name)} = (() => {\n${body}\n})();`);
    visiting.delete(name);
    done.add(name);
  };
  visit(entry);
  return parts.join('\n');
}

/** In place of the empty embedded.js: the core's glue, its wasm and every drawing. */
function embeddedModule(folder) {
  const glue = readFileSync(path.join(folder, 'vertola_core.mjs'), 'utf8');
  const wasm = readFileSync(path.join(folder, 'vertola_core.wasm')).toString('base64');
  const drawings = Object.fromEntries(readdirSync(path.join(folder, 'assets')).filter((name) => name.endsWith('.svg'))
    .sort().map((name) => [path.basename(name, '.svg'), dataUrl(path.join(folder, 'assets', name))]));
  return `${glue}
const wasmBinary = Uint8Array.from(atob(${JSON.stringify(wasm)}), (c) => c.charCodeAt(0));
export const embedded = { createVertola, wasmBinary, drawings: ${JSON.stringify(drawings)} };
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
  const entry = /<script type="module" src="([^"]+)"><\/script>/.exec(html);
  if (!entry) throw new Error('single_file: index.html has no module script');
  // A "</script" inside the code would end the element early; "<\/" means the same to the script.
  const script = joinModules(folder, entry[1], { 'embedded.js': embeddedModule(folder) }).replace(/<\/(script)/gi, '<\\/$1');
  const style = inlineStyle(folder).replace(/<\/(style)/gi, '<\\/$1');
  // Only what the file itself holds: its one script and style, the core, fonts and drawings as data.
  const policy = [`default-src 'none'`, `script-src ${sha256(script)} 'wasm-unsafe-eval'`, `style-src ${sha256(style)}`,
    `img-src data:`, `font-src data:`, `base-uri 'none'`, `form-action 'none'`].join('; ');
  let out = html
    .replace(/<!--[\s\S]*?-->\n?/g, '')
    // Preloads, the manifest and the worker belong to the served folder: here everything is in already.
    .replace(/<link rel="(?:modulepreload|preload|manifest)"[^>]*>\n?/g, '')
    .replace(/<link rel="icon" href="([^"?]+)[^"]*"[^>]*>/, (_, href) => `<link rel="icon" href="${dataUrl(path.join(folder, href))}">`)
    .replace(/<meta http-equiv="Content-Security-Policy" content="[^"]*">/, () => `<meta http-equiv="Content-Security-Policy" content="${policy}">`);
  out = out
    .replace(/<link rel="stylesheet" href="style.css">/, () => `<style>${style}</style>`)
    .replace(entry[0], () => `<script type="module">${script}</script>`);
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
