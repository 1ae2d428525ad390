// The single file, copied alone into a folder as onto a USB stick and opened from the disk with
// the network off: it needs nothing beside it and asks nothing of the network.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { copyFileSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { ctl, openProgram, openWindow, readLayouts, rightAnswer, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();
const built = fileURLToPath(new URL('../../build/web/operazioni-in-vertola.html', import.meta.url));

test('the file names no other file and weighs at most 400 KB', () => {
  const html = readFileSync(built, 'utf8');
  const references = [...html.matchAll(/\b(?:src|href)="([^"]*)"|url\(['"]?([^'")]*)/g)].map((m) => m[1] ?? m[2]);
  assert.ok(references.length >= 6, 'the five fonts and the icon are referenced');
  assert.deepEqual(references.filter((url) => !url.startsWith('data:')), []);
  assert.ok(html.length <= 400 * 1024, `${html.length} bytes`);
});

test('from a folder of its own, offline: an addition and its score', async () => {
  // The way to a window is read from the served folder's tables: the file has no core to ask but its own.
  const layouts = await readLayouts(await openProgram(shared));
  const stick = mkdtempSync(path.join(os.tmpdir(), 'vertola-stick-'));
  const context = await shared.browser.newContext({ offline: true, viewport: { width: 1024, height: 768 } });
  try {
    copyFileSync(built, path.join(stick, 'operazioni-in-vertola.html'));
    const url = pathToFileURL(path.join(stick, 'operazioni-in-vertola.html')).href;
    const page = await context.newPage();
    const requests = [];
    const troubles = [];
    page.on('request', (request) => requests.push(request.url()));
    page.on('console', (message) => { if (message.type() === 'error') troubles.push(message.text()); });
    page.on('pageerror', (error) => troubles.push(error.message));
    await page.goto(url);
    await win(page, 'frmuno').waitFor();
    // The drawings and the fonts came from inside the file.
    assert.deepEqual(await page.evaluate(async () => {
      await document.fonts.ready;
      const title = /** @type {HTMLImageElement} */ (document.querySelector('[data-name="frmuno"] img[src^="data:"]'));
      return [title?.naturalWidth > 0, document.fonts.check('bold 12pt "Comic Neue"'), document.fonts.check('9pt Arimo')];
    }), [true, true, true]);

    await openWindow(page, 'frm999addizioni', layouts);
    const { result } = await rightAnswer(page, 'frm999addizioni');
    await ctl(page, 'frm999addizioni', 'txturis').fill(String(result));
    await ctl(page, 'frm999addizioni', 'cmdconferma').click();
    assert.equal(await ctl(page, 'frm999addizioni', 'lblmessaggio').textContent(), 'Complimenti! Vai avanti');
    await ctl(page, 'frm999addizioni', 'cmdpunteggio').click();
    await ctl(page, 'frm999punteggio', 'cmdcalcola').click();
    assert.deepEqual(await Promise.all(['lblrisg', 'lblriss', 'lblvoto'].map((c) => ctl(page, 'frm999punteggio', c).textContent())),
      ['1', '0', 'Super!!!!']);

    assert.deepEqual(requests.filter((request) => request !== url && !request.startsWith('data:')), []);
    assert.deepEqual(troubles, []);
  } finally {
    await context.close();
    rmSync(stick, { recursive: true, force: true });
  }
});
