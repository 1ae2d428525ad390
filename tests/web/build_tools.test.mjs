// The build's bundle and drawings steps on pages of their own: what the old line-by-line join got
// wrong (imports over several lines, comment-like lines inside template literals), and the build's
// generated modules standing in for the page's without the sources being touched. The release's
// list names the program's version.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { bundle } from '../../src/web/tools/bundle.mjs';
import { copyDrawings } from '../../src/web/tools/drawings.mjs';
import { listRelease } from '../../src/web/tools/release.mjs';

/** @param {Record<string, string>} files */
function folderWith(files) {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'vertola-build-'));
  for (const [name, text] of Object.entries(files)) writeFileSync(path.join(folder, name), text);
  return folder;
}

/** The bundle run as a module, and what it put in globalThis.out. @param {string} code */
async function run(code) {
  const key = `out${Math.random().toString(36).slice(2)}`;
  await import(`data:text/javascript,${encodeURIComponent(code.replaceAll('globalThis.out', `globalThis.${key}`))}`);
  return /** @type {Record<string, unknown>} */ (globalThis)[key];
}

const DATA = 'export const data = null;\n';
const cases = [
  { name: 'an import over several lines, with a rename',
    files: { 'main.js': "import {\n  a,\n  b as c,\n} from './lib.js';\nglobalThis.out = a + c;\n",
      'lib.js': 'export const a = 2;\nexport const b = 3;\n' },
    expected: 5 },
  { name: 'lines of a template literal that look like comments',
    files: { 'main.js': "import { text } from './lib.js';\nglobalThis.out = text;\n",
      'lib.js': 'export const text = `one\n// two\n/* three */\n`;\n' },
    expected: 'one\n// two\n/* three */\n' },
  { name: 'a generated module in place of the page\'s empty one',
    files: { 'main.js': "import { data } from './data.js';\nglobalThis.out = data;\n", 'data.js': DATA },
    generated: { 'data.js': 'export const data = { menu: "frmuno" };' },
    expected: { menu: 'frmuno' } },
  { name: 'the page\'s own module when nothing stands in for it',
    files: { 'main.js': "import { data } from './data.js';\nglobalThis.out = data;\n", 'data.js': DATA },
    expected: null },
];

for (const { name, files, generated, expected } of cases) {
  test(`bundle: ${name}`, async () => {
    const folder = folderWith(files);
    try {
      const code = await bundle(path.join(folder, 'main.js'), generated);
      assert.doesNotMatch(code, /\bimport\s*\{|from\s*['"]\.\//, 'no import is left');
      assert.deepEqual(await run(code), expected);
      for (const [file, text] of Object.entries(files)) assert.equal(readFileSync(path.join(folder, file), 'utf8'), text);
    } finally {
      rmSync(folder, { recursive: true });
    }
  });
}

test('bundle: a module that is not there is an error, not a silent bundle', async () => {
  const folder = folderWith({ 'main.js': "import { a } from './missing.js';\nglobalThis.out = a;\n" });
  try {
    await assert.rejects(bundle(path.join(folder, 'main.js')), /missing\.js/);
  } finally {
    rmSync(folder, { recursive: true });
  }
});

test('drawings: all but those the first look carries, and only drawings', () => {
  const from = folderWith({ 'title.svg': '<svg/>', 'medal.svg': '<svg/>', 'plus.svg': '<svg/>', 'notes.txt': '' });
  const to = path.join(mkdtempSync(path.join(os.tmpdir(), 'vertola-out-')), 'assets');
  try {
    assert.deepEqual(copyDrawings(['title'], from, to), ['medal.svg', 'plus.svg']);
    assert.deepEqual(readdirSync(to).sort(), ['medal.svg', 'plus.svg']);
  } finally {
    rmSync(from, { recursive: true });
    rmSync(path.dirname(to), { recursive: true });
  }
});

test('release: the program\'s version is the one CMake built the core as, and a new one is a new cache', () => {
  const cache = readFileSync(new URL('../../build/wasm/CMakeCache.txt', import.meta.url), 'utf8');
  const cmake = /^CMAKE_PROJECT_VERSION:STATIC=(.+)$/m.exec(cache)?.[1];
  const folder = folderWith({ 'sw.js': '', 'index.html': '' });
  try {
    const release = listRelease(folder);
    assert.equal(release.program, cmake);
    assert.notEqual(listRelease(folder, `${cmake}.1`).version, release.version);
  } finally {
    rmSync(folder, { recursive: true });
  }
});
