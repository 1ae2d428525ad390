// Joins the page's ES modules into one minified module with esbuild, so that the browser fetches
// the page in one request instead of a waterfall of imports. A module the build generates (the main
// menu's first look, the single file's embedded core) takes the place of the page's module of the
// same name, whose source stays as written: the page run straight from its sources has none.
//   node src/web/tools/bundle.mjs <entry> <out> [module.js=generated.js ...]
import { readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { build } from 'esbuild';

/**
 * The page's module graph from its entry as one module's source.
 * @param {string} entry the page's main module
 * @param {Record<string, string>} [generated] sources by the name of the page module they stand for
 * @returns {Promise<string>}
 */
export async function bundle(entry, generated = {}) {
  const pageFolder = path.dirname(path.resolve(entry));
  /** @type {import('esbuild').Plugin} */
  const standIns = {
    name: 'generated-modules',
    setup(setup) {
      setup.onResolve({ filter: /^\.\/[\w.-]+\.js$/ }, (args) => {
        const name = args.path.slice(2);
        if (args.resolveDir !== pageFolder || !(name in generated)) return undefined;
        return { path: name, namespace: 'generated' };
      });
      setup.onLoad({ filter: /.*/, namespace: 'generated' }, (args) => ({ contents: generated[args.path], loader: 'js' }));
    },
  };
  const result = await build({
    entryPoints: [entry],
    bundle: true,
    write: false,
    format: 'esm',
    platform: 'browser',
    target: 'es2022',
    minify: true,
    charset: 'utf8',
    legalComments: 'none',
    // The core's glue reaches for these only when it runs under node, never in a page.
    external: ['fs', 'path'],
    plugins: [standIns],
    logLevel: 'warning',
  });
  return result.outputFiles[0].text;
}

/** The stand-ins named on a command line as module.js=generated.js. @param {string[]} pairs */
export function readGenerated(pairs) {
  return Object.fromEntries(pairs.map((pair) => {
    const [name, file] = pair.split('=');
    if (!name || !file) throw new Error(`bundle: ${pair} is not module.js=generated.js`);
    return [name, readFileSync(file, 'utf8')];
  }));
}

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
  const [entry, out, ...pairs] = process.argv.slice(2);
  if (!entry || !out) throw new Error('usage: bundle.mjs <entry> <out> [module.js=generated.js ...]');
  const text = await bundle(entry, readGenerated(pairs));
  writeFileSync(out, text);
  console.log(`${path.relative(process.cwd(), out)}: ${Buffer.byteLength(text)} bytes`);
}
