// A new version of the served folder, behind a host's HTTP cache: the worker keeps exactly the new
// version's bytes, a page in use keeps its own version to the end, a reload brings the new one,
// and an install that meets a wrong or missing file fails and leaves no cache behind.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync, utimesSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serve } from '../../src/web/serve.mjs';
import { filesBelow, readRelease, sha256, writeRelease } from '../../src/web/tools/release.mjs';
import { args, ctl, win } from './support/program.mjs';

const built = fileURLToPath(new URL('../../build/web/', import.meta.url));
const DRAWING = 'assets/medal.svg';
const DAY_MS = 24 * 3600 * 1000;
const shared = {};

before(async () => {
  shared.dir = mkdtempSync(path.join(os.tmpdir(), 'vertola-update-'));
  shared.browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args });
});
after(async () => {
  await shared.browser?.close();
  if (shared.dir) rmSync(shared.dir, { recursive: true, force: true });
});

/** A copy of the built folder, served as a host would, with files last changed `age` ago. */
async function hostVersionA(name, caching, age = 30 * DAY_MS) {
  const folder = path.join(shared.dir, name);
  cpSync(built, folder, { recursive: true });
  setAge(folder, filesBelow(folder), age);
  const server = await serve(folder, 0, caching);
  const context = await shared.browser.newContext({ viewport: { width: 1024, height: 768 } });
  return { folder, server, context, close: async () => { await context.close(); await server.close(); } };
}

function setAge(folder, files, age) {
  const when = new Date(Date.now() - age);
  for (const file of files) utimesSync(path.join(folder, file), when, when);
}

// Version B: its page, style, script and a drawing changed, as an upload of a new build does, and
// the release list written again. Changed files may keep old dates, as copies often do.
function putVersionB(folder, age) {
  const changed = ['index.html', 'style.css', 'main.js', DRAWING];
  const index = path.join(folder, 'index.html');
  writeFileSync(index, readFileSync(index, 'utf8').replace('</head>', '<meta name="release" content="B">\n</head>'));
  appendFileSync(path.join(folder, 'style.css'), '\n/* B */\n');
  appendFileSync(path.join(folder, 'main.js'), '\n// B\n');
  appendFileSync(path.join(folder, DRAWING), '\n<!-- B -->\n');
  setAge(folder, changed, age);
  const release = writeRelease(folder);
  return { release, changed };
}

/** The page, once its version is kept and its worker answers for it: from the next load on. */
async function visitKept(page, url) {
  await page.goto(url);
  await win(page, 'frmuno').waitFor();
  if (await page.evaluate(async () => (await navigator.serviceWorker.ready) && !navigator.serviceWorker.controller)) {
    await page.reload();
    await win(page, 'frmuno').waitFor();
  }
  assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
}

const cacheNames = (page) => page.evaluate(() => caches.keys());
/** Asks the page until the answer is true. */
async function until(page, question, arg) {
  while (!await page.evaluate(question, arg)) await new Promise((resolve) => setTimeout(resolve, 50));
}

// A new version is there once its worker has installed: its cache is written by then.
const waitForWaiting = (page) => until(page, async () => Boolean((await navigator.serviceWorker.getRegistration())?.waiting));

/** Each kept address of a cache with the SHA-256 of its bytes, hashed in the browser. */
const cachedHashes = (page, name) => page.evaluate(async (cacheName) => {
  const cache = await caches.open(cacheName);
  const hex = (buffer) => [...new Uint8Array(buffer)].map((byte) => byte.toString(16).padStart(2, '0')).join('');
  const kept = {};
  for (const request of await cache.keys()) {
    const bytes = await (await cache.match(request)).arrayBuffer();
    kept[new URL(request.url).pathname] = hex(await crypto.subtle.digest('SHA-256', bytes));
  }
  return kept;
}, name);

/** What the folder on disk holds now, by address, as the worker should keep it. */
function onDisk(folder, files) {
  const hashes = Object.fromEntries(files.map((file) => [`/${file}`, sha256(readFileSync(path.join(folder, file)))]));
  return { '/': hashes['/index.html'], ...hashes };
}

const HOSTS = [
  { name: 'max-age', caching: { cacheControl: 'public, max-age=600' } },
  { name: 'last-modified', caching: { cacheControl: null, lastModified: true } },
];

for (const { name, caching } of HOSTS) {
  test(`behind a host's ${name} caching: the new version kept byte for byte, the page in use kept on its own`, { timeout: 120_000 }, async () => {
    const host = await hostVersionA(`update-${name}`, caching);
    try {
      const { folder, server, context } = host;
      const versionA = readRelease(folder);
      const drawingA = readFileSync(path.join(folder, DRAWING), 'utf8');
      const inUse = await context.newPage();
      await visitKept(inUse, server.url);
      await ctl(inUse, 'frmuno', 'cmd999').click();
      await win(inUse, 'frm999inizio').waitFor();

      const { release: versionB } = putVersionB(folder, 20 * DAY_MS);
      assert.notEqual(versionB.version, versionA.version);
      // Another page opened on the folder finds the new version, which waits behind the page in use.
      const other = await context.newPage();
      await other.goto(server.url);
      await win(other, 'frmuno').waitFor();
      await waitForWaiting(other);
      assert.deepEqual(await cachedHashes(other, `operazioni-in-vertola-${versionB.version}`),
        onDisk(folder, Object.keys(versionB.files)));
      assert.deepEqual(Object.keys(versionB.files).sort(), filesBelow(folder)
        .filter((file) => !['sw.js', 'release.js', 'operazioni-in-vertola.html'].includes(file)));

      // The page in use goes on with its own version's files, the drawing it fetches now included.
      await ctl(inUse, 'frm999inizio', 'cmdadd').click();
      await win(inUse, 'frm999addizioni').waitFor();
      assert.equal(await inUse.evaluate((file) => fetch(file).then((response) => response.text()), DRAWING), drawingA);
      assert.equal(await inUse.locator('meta[name="release"]').count(), 0);

      // Once it is the last page of the old version, a reload brings the new one, and the old cache goes.
      await other.close();
      await inUse.reload();
      await inUse.waitForSelector('meta[name="release"][content="B"]', { state: 'attached' });
      await win(inUse, 'frmuno').waitFor();
      await until(inUse, async (only) => (await caches.keys()).join() === only, `operazioni-in-vertola-${versionB.version}`);
      assert.equal(await inUse.evaluate((file) => fetch(file).then((response) => response.text()), DRAWING),
        readFileSync(path.join(folder, DRAWING), 'utf8'));
    } finally {
      await host.close();
    }
  });
}

// What a bad upload can do to a new version's files once their list is written.
const SPOILED = [
  { name: 'a file whose bytes are not the listed ones', spoil: (folder) => appendFileSync(path.join(folder, DRAWING), ' ') },
  { name: 'a listed file missing on the server', spoil: (folder) => rmSync(path.join(folder, DRAWING)) },
];

for (const [row, { name, spoil }] of SPOILED.entries()) {
  test(`an install that meets ${name} fails and leaves no cache behind`, { timeout: 60_000 }, async () => {
    const host = await hostVersionA(`spoiled-${row}`, {});
    try {
      const { folder, server, context } = host;
      const page = await context.newPage();
      await visitKept(page, server.url);
      const kept = await cacheNames(page);
      assert.deepEqual(kept, [`operazioni-in-vertola-${readRelease(folder).version}`]);
      const { release } = putVersionB(folder, 0);
      spoil(folder);
      const state = await page.evaluate(async () => {
        const registration = await navigator.serviceWorker.getRegistration();
        const found = new Promise((resolve) => registration.addEventListener('updatefound', () => resolve(registration.installing), { once: true }));
        await registration.update();
        const worker = registration.installing ?? await found;
        if (worker.state !== 'redundant') {
          await new Promise((resolve) => worker.addEventListener('statechange', () => { if (worker.state === 'redundant') resolve(); }));
        }
        return { waiting: registration.waiting, active: registration.active?.state };
      });
      assert.deepEqual(state, { waiting: null, active: 'activated' });
      assert.deepEqual(await cacheNames(page), kept);
      assert.ok(!kept.includes(`operazioni-in-vertola-${release.version}`));
    } finally {
      await host.close();
    }
  });
}
