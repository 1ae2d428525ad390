// The served folder as an installed app: after one visit it works with the network off, Chromium
// finds it installable, and a new version of the folder replaces the kept one on the next visit.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serve } from '../../src/web/serve.mjs';
import { filesBelow, RELEASE_FILE, writeRelease } from '../../src/web/tools/release.mjs';
import { SINGLE_FILE } from '../../src/web/tools/single_file.mjs';
import { args, ctl, openWindow, rightAnswer, win } from './support/program.mjs';

const built = fileURLToPath(new URL('../../build/web/', import.meta.url));
const shared = {};

// A copy of the folder that the last test changes; a profile of its own, as installability is
// never granted to a private window.
before(async () => {
  shared.dir = mkdtempSync(path.join(os.tmpdir(), 'vertola-app-'));
  cpSync(built, path.join(shared.dir, 'web'), { recursive: true });
  shared.folder = path.join(shared.dir, 'web');
  shared.server = await serve(shared.folder, 0);
  shared.context = await chromium.launchPersistentContext(path.join(shared.dir, 'profile'), {
    executablePath: '/usr/bin/chromium', headless: true, args, viewport: { width: 1024, height: 768 },
  });
  shared.page = shared.context.pages()[0] ?? await shared.context.newPage();
});
after(async () => {
  await shared.context?.close();
  await shared.server?.close();
  if (shared.dir) rmSync(shared.dir, { recursive: true, force: true });
});

// The page once its worker keeps the folder and answers for it: a page that was loaded before the
// worker was there keeps going without it until it is loaded again.
async function visit(page, url) {
  await page.goto(url);
  await win(page, 'frmuno').waitFor();
  if (await page.evaluate(async () => (await navigator.serviceWorker.ready) && !navigator.serviceWorker.controller)) {
    await page.reload();
    await win(page, 'frmuno').waitFor();
  }
}

const keptFiles = (page) => page.evaluate(async () => {
  const names = await caches.keys();
  const cache = await caches.open(names[0]);
  return { names, files: (await cache.keys()).map((request) => new URL(request.url).pathname).sort() };
});

test('after one visit: installable, every file kept, and an exercise answered offline after a reload', { timeout: 120_000 }, async () => {
  const { page, server } = shared;
  await visit(page, server.url);
  const cdp = await shared.context.newCDPSession(page);
  assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  const manifest = await cdp.send('Page.getAppManifest');
  assert.deepEqual([manifest.errors, JSON.parse(manifest.data ?? '{}').name], [[], 'Operazioni in vertola']);

  const { names, files } = await keptFiles(page);
  const expected = ['/', ...filesBelow(shared.folder).filter((f) => !['sw.js', RELEASE_FILE, SINGLE_FILE].includes(f)).map((f) => `/${f}`)].sort();
  assert.equal(names.length, 1);
  assert.deepEqual(files, expected);

  await shared.context.setOffline(true);
  try {
    await page.reload();
    await openWindow(page, 'frm999addizioni');
    const { result } = await rightAnswer(page, 'frm999addizioni');
    await ctl(page, 'frm999addizioni', 'txturis').fill(String(result + 1));
    await ctl(page, 'frm999addizioni', 'cmdconferma').click();
    assert.equal(await ctl(page, 'frm999addizioni', 'lblmessaggio').textContent(), 'Sbagliato! Ripeti');
    assert.ok(await page.evaluate(() => document.fonts.check('bold 12pt "Comic Neue"')));
  } finally {
    await shared.context.setOffline(false);
  }
});

test('a new version of the folder replaces the kept one on the next visit, and stays offline', { timeout: 120_000 }, async () => {
  const { page, server, folder } = shared;
  await visit(page, server.url);
  const before = (await keptFiles(page)).names;
  const index = path.join(folder, 'index.html');
  writeFileSync(index, readFileSync(index, 'utf8').replace('</head>', '<meta name="version-mark" content="2">\n</head>'));
  const { version } = writeRelease(folder);

  // The visit finds the new worker, which takes over and brings the new page in, untouched so far.
  await page.reload();
  await page.waitForSelector('meta[name="version-mark"]', { state: 'attached' });
  await win(page, 'frmuno').waitFor();
  const now = (await keptFiles(page)).names;
  assert.notDeepEqual(now, before);
  assert.deepEqual(now, [`operazioni-in-vertola-${version}`]);

  await shared.context.setOffline(true);
  try {
    await page.reload();
    assert.equal(await page.locator('meta[name="version-mark"]').count(), 1);
    await win(page, 'frmuno').waitFor();
  } finally {
    await shared.context.setOffline(false);
  }
});
