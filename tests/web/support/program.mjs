// One headless chromium per test file, a page on the built program, and the pupil's ways about it.
import { after, before } from 'node:test';
import assert from 'node:assert/strict';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serve } from './server.mjs';

const root = process.env.WEB_ROOT ?? fileURLToPath(new URL('../../../build/web/', import.meta.url));

/** Starts the server and the browser for this file; `session()` gives both once started. */
export function useBrowser() {
  const shared = {};
  before(async () => {
    shared.server = await serve(root);
    shared.browser = await chromium.launch({
      executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
      args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync'],
    });
  });
  after(async () => {
    await shared.browser?.close();
    await shared.server?.close();
  });
  return shared;
}

/**
 * The program started afresh, its main menu on screen, on the file's one page (or a page of its
 * own with a fake clock). Every request outside the page's folder is refused and listed in
 * `page.foreign`.
 */
export async function openProgram(shared, { clock = false } = {}) {
  if (shared.page && !clock) return restart(shared.page);
  const context = await shared.browser.newContext({ viewport: { width: 1024, height: 768 } });
  const page = await context.newPage();
  page.foreign = [];
  await context.route('**/*', (route) => {
    const url = route.request().url();
    if (url.startsWith(shared.server.base)) return route.continue();
    page.foreign.push(url);
    return route.abort();
  });
  if (clock) await page.clock.install({ time: new Date('2026-01-01T08:00:00') });
  else shared.page = page;
  await page.goto(shared.server.base);
  await win(page, 'frmuno').waitFor();
  return page;
}

// Closes the front window until the program ends, then starts it again as a pupil would.
async function restart(page) {
  const closeBox = page.locator('[role="dialog"].active .close-box');
  while (await closeBox.count()) await closeBox.click();
  await page.getByRole('button', { name: 'Ricomincia' }).click();
  await win(page, 'frmuno').waitFor();
  return page;
}

export const win = (page, name) => page.locator(`[role="dialog"][data-name="${name}"]`);
export const ctl = (page, window, control) => win(page, window).locator(`[data-client] [data-name="${control}"]`);

/** The clicks that lead from the main menu to each window. */
const ways = {
  frm999inizio: [['frmuno', 'cmd999']],
  frm9999inizio: [['frmuno', 'cmd9999']],
  frm9999scelta: [['frmuno', 'cmd9999'], ['frm9999inizio', 'cmdmolt']],
};
for (const [op, control] of [['addizioni', 'cmdadd'], ['sottrazioni', 'cmdsott'], ['moltiplicazioni', 'cmdmolt'], ['divisioni', 'cmddiv']]) {
  ways[`frm999${op}`] = [...ways.frm999inizio, ['frm999inizio', control]];
  if (op !== 'moltiplicazioni') ways[`frm9999${op}`] = [...ways.frm9999inizio, ['frm9999inizio', control]];
}
ways.frm9999moltiplicazioni = [...ways.frm9999scelta, ['frm9999scelta', 'cmd1']];
ways.frm9999moltiplicazioni2 = [...ways.frm9999scelta, ['frm9999scelta', 'cmd2']];
ways.frm999punteggio = [...ways.frm999addizioni, ['frm999addizioni', 'cmdpunteggio']];
ways.frm9999punteggio = [...ways.frm9999addizioni, ['frm9999addizioni', 'cmdpunteggio']];
export { ways };

export async function openWindow(page, name) {
  for (const [window, control] of ways[name] ?? []) await ctl(page, window, control).click();
  await win(page, name).waitFor();
}

/** The fifteen tables, read through the core's own bridge. */
export async function readLayouts(page) {
  return page.evaluate(async () => {
    const { default: create } = await import('./vertola_core.mjs');
    const core = await create();
    return JSON.parse(core.cwrap('vt_layouts', 'string', [])());
  });
}

export const focusedName = (page) => page.evaluate(() => document.activeElement?.dataset.name ?? '');

/** The right answer to the operation a window shows: the result, and for a division the remainder. */
export async function rightAnswer(page, window) {
  const [a, sign, b, , c] = (await ctl(page, window, 'lbloper').textContent()).split(' ');
  const [x, y] = [Number(a), Number(b)];
  switch (sign) {
    case '+': return { result: x + y + Number(c) };
    case '-': return { result: x - y };
    case 'x': return { result: x * y };
    case ':': return { result: Math.floor(x / y), remainder: x % y };
  }
  assert.fail(`unknown operation in ${window}`);
}

/** Types into a cell as the pupil does: a click into it, then the keys. */
export async function typeInto(page, window, cell, text) {
  await ctl(page, window, cell).click();
  await page.keyboard.type(text);
}

export const cssRgb = ([r, g, b]) => `rgb(${r}, ${g}, ${b})`;
