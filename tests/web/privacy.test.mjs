// Nothing about a child leaves the device: in a whole session, served and installed as an app or
// opened as the single file, every request stays in the page's own origin (or its own file), and
// at the end the only thing the browser keeps is the service worker's copy of the program's files.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { ctl, rightAnswer, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();
const folder = new URL('../../build/web/', import.meta.url);

// A pupil's session: an addition answered wrong then right, its score, and the way back.
async function playAddition(page) {
  await ctl(page, 'frmuno', 'cmd999').click();
  await ctl(page, 'frm999inizio', 'cmdadd').click();
  for (const offBy of [1, 0]) {
    await ctl(page, 'frm999addizioni', 'txturis').fill(String((await rightAnswer(page, 'frm999addizioni')).result + offBy));
    await ctl(page, 'frm999addizioni', 'cmdconferma').click();
  }
  await ctl(page, 'frm999addizioni', 'cmdpunteggio').click();
  await ctl(page, 'frm999punteggio', 'cmdcalcola').click();
  assert.equal(await ctl(page, 'frm999punteggio', 'lblrisg').textContent(), '1');
  await ctl(page, 'frm999punteggio', 'cmdok').click();
}

// Every request the context sees, its workers' included; the page's own are let through.
async function watchRequests(context, own) {
  const requests = [];
  context.on('request', (request) => {
    requests.push(request.url());
    if (request.serviceWorker()) requests.fromWorker = (requests.fromWorker ?? 0) + 1;
  });
  await context.route('**/*', (route) => (own(route.request().url()) ? route.continue() : route.abort()));
  return requests;
}

// What the page's origin keeps: cookies, both web storages, IndexedDB, and each kind of storage
// the browser counts any use of.
async function kept(page) {
  const cdp = await page.context().newCDPSession(page);
  const origin = new URL(page.url()).origin;
  const { usageBreakdown } = origin === 'null' ? { usageBreakdown: [] } : await cdp.send('Storage.getUsageAndQuota', { origin });
  return {
    cookies: await page.context().cookies(),
    webStorage: await page.evaluate(() => [localStorage.length, sessionStorage.length]),
    databases: await page.evaluate(async () => (await indexedDB.databases()).map((db) => db.name)),
    used: usageBreakdown.filter((kind) => kind.usage > 0).map((kind) => kind.storageType).sort(),
  };
}

test('served: an addition, a reload from the app\'s cache, and only the program\'s files kept', async () => {
  const context = await shared.browser.newContext({ viewport: { width: 1024, height: 768 } });
  const own = (url) => url.startsWith(shared.server.url);
  const requests = await watchRequests(context, own);
  const page = await context.newPage();
  await page.goto(shared.server.url);
  await win(page, 'frmuno').waitFor();
  await page.evaluate(() => navigator.serviceWorker.ready);
  await playAddition(page);
  await page.reload();
  await win(page, 'frmuno').waitFor();
  await playAddition(page);

  assert.ok(requests.fromWorker > 0, "the worker's requests were watched");
  assert.deepEqual(requests.filter((url) => !own(url)), []);
  const cached = await page.evaluate(async () => {
    const urls = [];
    for (const name of await caches.keys()) for (const request of await (await caches.open(name)).keys()) urls.push(request.url);
    return urls;
  });
  assert.ok(cached.length > 0, 'the app keeps its files');
  assert.deepEqual(cached.filter((url) => !own(url) || !existsSync(fileURLToPath(new URL(url.slice(shared.server.url.length) || 'index.html', folder)))), []);
  const { used, ...nothing } = await kept(page);
  assert.deepEqual(nothing, { cookies: [], webStorage: [0, 0], databases: [] });
  assert.ok(used.every((kind) => ['cache_storage', 'service_workers'].includes(kind)), used.join(', '));
  await context.close();
});

test('single file: an addition asks for nothing but the file, and nothing is kept', async () => {
  const context = await shared.browser.newContext({ viewport: { width: 1024, height: 768 } });
  const file = pathToFileURL(fileURLToPath(new URL('operazioni-in-vertola.html', folder))).href;
  const own = (url) => url === file || url.startsWith('data:');
  const requests = await watchRequests(context, own);
  const page = await context.newPage();
  await page.goto(file);
  await win(page, 'frmuno').waitFor();
  await playAddition(page);
  assert.ok(requests.includes(file), 'the requests were watched');
  assert.deepEqual(requests.filter((url) => !own(url)), []);
  assert.deepEqual(await kept(page), { cookies: [], webStorage: [0, 0], databases: [], used: [] });
  await context.close();
});
