// Records the main menu's first look from the core, into the built folder's first_look.js: the
// menu's table and the state the core gives at the start. The page draws it before the core has
// loaded; the core's own state then takes over. The drawings that only the main menu shows move
// into it as markup, drawn inline: no request and no image document of their own stand between
// the page and the menu's first look. So do the drawings with text, wherever they are shown.
//   node --no-experimental-fetch src/web/tools/first_look.mjs [folder]
import { readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

/** The folder's core, run under node. @param {string} folder */
export async function loadCore(folder) {
  const glue = path.resolve(folder, 'vertola_core.mjs');
  // The ES module glue of this emscripten still reaches for CommonJS names when it sees node.
  Object.assign(globalThis, { __dirname: path.dirname(glue), require: createRequire(glue) });
  const { default: createVertola } = await import(glue);
  return createVertola({ wasmBinary: readFileSync(path.join(folder, 'vertola_core.wasm')) });
}

/**
 * A drawing as markup to put inside the page: its ids named after it, as the page's own ids share
 * one name space; no title, which inline would show as a tooltip; no size, which its place gives.
 * @param {string} name
 * @param {string} svg
 */
export function inlineDrawing(name, svg) {
  const ids = [...svg.matchAll(/\bid="([^"]+)"/g)].map((match) => match[1]);
  // The line breaks and indents between elements are the file's layout, not the drawing's.
  let markup = svg.replace(/^<\?xml[^>]*>\s*/, '').replace(/\s*<title>[^<]*<\/title>/g, '').replace(/>\s*\n\s*</g, '><').trim();
  for (const id of ids) {
    markup = markup.replaceAll(`id="${id}"`, `id="${name}-${id}"`).replaceAll(`url(#${id})`, `url(#${name}-${id})`)
      .replaceAll(`href="#${id}"`, `href="#${name}-${id}"`);
  }
  const root = /^<svg\b[^>]*>/.exec(markup);
  if (!root || !/\bviewBox="/.test(root[0])) throw new Error(`first_look: ${name}.svg has no svg element with a viewBox`);
  const sized = root[0].replace(/\s(?:width|height)="[^"]*"/g, '').replace(/>$/, ' aria-hidden="true" focusable="false">');
  return sized + markup.slice(root[0].length);
}

/** The faces a drawing's texts use, as the font loading API takes them. @param {string} svg */
function facesOf(svg) {
  return [...svg.matchAll(/<text\b[^>]*>/g)].map(([tag]) => {
    const attribute = (/** @type {string} */ name, /** @type {string} */ fallback) => new RegExp(`\\b${name}="([^"]+)"`).exec(tag)?.[1] ?? fallback;
    return `${attribute('font-style', 'normal')} ${attribute('font-weight', 'normal')} 16px "${attribute('font-family', 'serif')}"`;
  });
}

/** @param {string} folder */
export async function recordFirstLook(folder) {
  const core = await loadCore(folder);
  const layouts = JSON.parse(core.cwrap('vt_layouts', 'string', [])());
  const layout = layouts.find((/** @type {any} */ l) => l.mainWindow);
  // The screen only moves the window, and the page puts it where the core will.
  const state = JSON.parse(core.cwrap('vt_start', 'string', ['number', 'number', 'number', 'number'])(0, 0, 0, 0));
  if (!layout || state.windows.length !== 1 || state.windows[0].name !== layout.name) {
    throw new Error('first_look: the core does not start with its main window alone');
  }
  const picturesOf = (/** @type {any[]} */ windows) => new Set(windows.flatMap((l) => l.controls.map((/** @type {any} */ c) => c.picture)));
  const elsewhere = picturesOf(layouts.filter((/** @type {any} */ l) => l !== layout));
  /** @type {Record<string, string>} */
  const drawings = {};
  const faces = new Set();
  const svgOf = (/** @type {string} */ picture) => readFileSync(path.join(folder, 'assets', `${picture}.svg`), 'utf8');
  for (const { picture } of layout.controls) {
    if (!picture || elsewhere.has(picture) || drawings[picture]) continue;
    const svg = svgOf(picture);
    drawings[picture] = inlineDrawing(picture, svg);
    for (const face of facesOf(svg)) faces.add(face);
  }
  // A drawing shown as an image is a document of its own, which cannot use the page's faces: its
  // texts would come out in whatever the machine has. The drawings with text are drawn inline.
  for (const picture of picturesOf(layouts)) {
    if (!picture || drawings[picture]) continue;
    const svg = svgOf(picture);
    if (facesOf(svg).length) drawings[picture] = inlineDrawing(picture, svg);
  }
  return { layout, state, drawings, faces: [...faces] };
}

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
  const folder = path.resolve(process.argv[2] ?? 'build/web');
  const look = await recordFirstLook(folder);
  const file = path.join(folder, 'first_look.js');
  const source = readFileSync(file, 'utf8');
  const empty = /^export const firstLook = null;$/m;
  if (!empty.test(source)) throw new Error('first_look: first_look.js has no empty firstLook to fill');
  // A drawing's references to its own parts, url(#…), name no file: escaped, they do not read as
  // one to a scan for the files that a page names.
  const data = JSON.stringify(look).replaceAll('url(', 'url\\u0028');
  writeFileSync(file, source.replace(empty, () => `export const firstLook = ${data};`));
  // The page never asks for the drawings it carries.
  for (const picture of Object.keys(look.drawings)) rmSync(path.join(folder, 'assets', `${picture}.svg`));
  console.log(`${path.relative(process.cwd(), file)}: ${look.layout.name} as the core starts it`);
}
