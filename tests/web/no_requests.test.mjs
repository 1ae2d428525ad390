// Nothing leaves the page and nothing stays: every request stays in the page's folder, and no
// cookie or web storage is written.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickAll, openProgram, useBrowser } from './support/program.mjs';

const shared = useBrowser();

test('a session stays within the page\'s folder and stores nothing', async () => {
  const page = await openProgram(shared);
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  await page.reload();
  await clickAll(page, ['frmuno.cmd9999', 'frm9999inizio.cmddiv', 'frm9999divisioni.cmdcontrolla', 'frm9999divisioni.cmdpunteggio',
    'frm9999punteggio.cmdcalcola']);
  await page.evaluate(() => document.fonts.ready);
  assert.ok(['.wasm', '.woff2', '.svg'].every((kind) => requests.some((url) => url.endsWith(kind))));
  assert.deepEqual([page.foreign, requests.filter((url) => !url.startsWith(shared.server.url))], [[], []]);
  assert.deepEqual(await page.context().cookies(), []);
  assert.deepEqual(await page.evaluate(async () => [localStorage.length, sessionStorage.length, (await indexedDB.databases()).length]), [0, 0, 0]);
});
