// Nothing leaves the page and nothing stays: every request stays in the page's folder, and no
// cookie or web storage is written.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, openWindow, useBrowser } from './support/program.mjs';

const shared = useBrowser();

test('a session stays within the page\'s folder and stores nothing', async () => {
  const page = await openProgram(shared);
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  await openWindow(page, 'frm999punteggio');
  await ctl(page, 'frm999punteggio', 'cmdcalcola').click();
  await page.reload();
  await openWindow(page, 'frm9999divisioni');
  await ctl(page, 'frm9999divisioni', 'cmdcontrolla').click();
  await page.evaluate(() => document.fonts.ready);
  assert.deepEqual(page.foreign, []);
  assert.ok(requests.some((url) => url.endsWith('.wasm')) && requests.some((url) => url.endsWith('.woff2')));
  assert.deepEqual(requests.filter((url) => !url.startsWith(shared.server.base)), []);
  assert.deepEqual(await page.context().cookies(), []);
  assert.deepEqual(await page.evaluate(async () => [localStorage.length, sessionStorage.length, (await indexedDB.databases()).length]), [0, 0, 0]);
});
