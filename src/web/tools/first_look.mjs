// Records the main menu's first look from the core, as a generated module that the bundle puts in
// place of the page's empty first_look.js: the menu's table and the state the core gives at the
// start. The page draws it before the core has loaded; the core's own state then takes over. The
// drawings that only the main menu shows move into it as markup, drawn inline: no request and no
// image document of their own stand between the page and the menu's first look. So do the
// drawings with text, wherever they are shown.
//   node --no-experimental-fetch src/web/tools/first_look.mjs <core folder> <drawings folder> <out.js>
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

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

/**
 * @param {string} coreFolder where the core's glue and wasm are
 * @param {string} drawingsFolder where the drawings' SVG files are
 */
export async function recordFirstLook(coreFolder, drawingsFolder) {
  const core = await loadCore(coreFolder);
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
  const svgOf = (/** @type {string} */ picture) => readFileSync(path.join(drawingsFolder, `${picture}.svg`), 'utf8');
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

/** The generated module's source. @param {Awaited<ReturnType<typeof recordFirstLook>>} look */
export function firstLookModule(look) {
  return `// Written by the build from the core: the main menu's first look.\nexport const firstLook = ${JSON.stringify(look)};\n`;
}

/** The drawings a first look module carries inline, which the page never asks for. @param {string} file */
export async function carriedDrawings(file) {
  const { firstLook } = await import(pathToFileURL(path.resolve(file)).href);
  return Object.keys(firstLook.drawings);
}

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
  const [coreFolder, drawingsFolder, out] = process.argv.slice(2);
  if (!coreFolder || !drawingsFolder || !out) throw new Error('usage: first_look.mjs <core folder> <drawings folder> <out.js>');
  const look = await recordFirstLook(path.resolve(coreFolder), path.resolve(drawingsFolder));
  mkdirSync(path.dirname(out), { recursive: true });
  writeFileSync(out, firstLookModule(look));
  console.log(`${path.relative(process.cwd(), out)}: ${look.layout.name} as the core starts it`);
}
