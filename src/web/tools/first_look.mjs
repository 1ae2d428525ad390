// Records the main menu's first look from the core, into the built folder's first_look.js: the
// menu's table and the state the core gives at the start. The page draws it before the core has
// loaded; the core's own state then takes over.
//   node --no-experimental-fetch src/web/tools/first_look.mjs [folder]
import { readFileSync, writeFileSync } from 'node:fs';
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

/** @param {string} folder */
export async function recordFirstLook(folder) {
  const core = await loadCore(folder);
  const layout = JSON.parse(core.cwrap('vt_layouts', 'string', [])()).find((/** @type {any} */ l) => l.mainWindow);
  // The screen only moves the window, and the page puts it where the core will.
  const state = JSON.parse(core.cwrap('vt_start', 'string', ['number', 'number', 'number', 'number'])(0, 0, 0, 0));
  if (!layout || state.windows.length !== 1 || state.windows[0].name !== layout.name) {
    throw new Error('first_look: the core does not start with its main window alone');
  }
  return { layout, state };
}

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
  const folder = path.resolve(process.argv[2] ?? 'build/web');
  const look = await recordFirstLook(folder);
  const file = path.join(folder, 'first_look.js');
  const source = readFileSync(file, 'utf8');
  const empty = /^export const firstLook = null;$/m;
  if (!empty.test(source)) throw new Error('first_look: first_look.js has no empty firstLook to fill');
  writeFileSync(file, source.replace(empty, () => `export const firstLook = ${JSON.stringify(look)};`));
  console.log(`${path.relative(process.cwd(), file)}: ${look.layout.name} as the core starts it`);
}
