// One headless chromium per test file, one page on the built program, and the pupil's ways about it.
import { after, before } from 'node:test';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serve } from '../../../src/web/serve.mjs';
import { everyWindowTour, named, wayTo } from './rows.mjs';

export { everyWindowTour, named, wayTo };

const root = fileURLToPath(new URL('../../../build/web/', import.meta.url));
export const args = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync'];

export function useBrowser() {
  const shared = {};
  before(async () => {
    shared.server = await serve(root, 0);
    shared.browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args });
  });
  after(async () => {
    await shared.browser?.close();
    await shared.server?.close();
  });
  return shared;
}

/**
 * The program started afresh on the file's page (or on a page of its own with a fake clock, or
 * with a device of its own: a touch screen, another screen size or zoom).
 * Requests outside the page's folder are refused and listed in `page.foreign`.
 */
export async function openProgram(shared, { clock = false, device = null } = {}) {
  const own = clock || device;
  if (shared.page && !own) return restart(shared.page);
  const context = await shared.browser.newContext({ viewport: { width: 1024, height: 768 }, ...device });
  const page = await context.newPage();
  page.foreign = [];
  await context.route('**/*', (route) => {
    if (route.request().url().startsWith(shared.server.url)) return route.continue();
    page.foreign.push(route.request().url());
    return route.abort();
  });
  if (clock) await page.clock.install({ time: new Date('2026-01-01T08:00:00') });
  if (!own) shared.page = page;
  await page.goto(shared.server.url);
  await win(page, named(await readLayouts(page), 'MainMenu')).waitFor();
  return page;
}

// Closes the front window until the program ends, then starts it again as a pupil would.
async function restart(page) {
  const closeBox = page.locator('[role="dialog"].active .close-box');
  while (await closeBox.count()) await closeBox.click();
  await page.getByRole('button', { name: 'Ricomincia' }).click();
  await win(page, named(await readLayouts(page), 'MainMenu')).waitFor();
  return page;
}

export const win = (page, name) => page.locator(`[role="dialog"][data-name="${name}"]`);
export const ctl = (page, window, control) => win(page, window).locator(`[data-client] [data-name="${control}"]`);
export const loadedWindows = (page) => page.locator('[role="dialog"]').evaluateAll((all) => all.map((w) => w.dataset.name).sort());
export const focusedName = (page) => page.evaluate(() => document.activeElement?.dataset.name ?? '');

export async function clickAll(page, clicks) {
  for (const click of clicks) await ctl(page, ...click.split('.')).click();
}

const readOnPage = new WeakMap();

/** The fifteen tables, each with its window's row, read through the core's own bridge (once a page). */
export const readLayouts = async (page) => {
  if (!readOnPage.has(page)) {
    readOnPage.set(page, new Map((await page.evaluate(async () => {
      const core = await (await import('./vertola_core.mjs')).default();
      return JSON.parse(core.cwrap('vt_layouts', 'string', [])());
    })).map((layout) => [layout.name, layout])));
  }
  return readOnPage.get(page);
};

/** Opens a window from the main menu; a page that cannot read the tables itself is given them. */
export async function openWindow(page, name, layouts = null) {
  await clickAll(page, wayTo(layouts ?? await readLayouts(page), name));
  await win(page, name).waitFor();
}

/** The core's measures, read through its bridge: twips per pixel. */
export const readUnits = async (page) => page.evaluate(async () => {
  const core = await (await import('./vertola_core.mjs')).default();
  return JSON.parse(core.cwrap('vt_units', 'string', [])());
});

/** The right answer to the operation a window shows: the result, and for a division the remainder. */
export async function rightAnswer(page, window) {
  const [a, sign, b, , c] = (await ctl(page, window, 'lbloper').textContent()).split(' ');
  const [x, y, z] = [a, b, c].map(Number);
  const results = { '+': { result: x + y + z }, '-': { result: x - y }, x: { result: x * y } };
  return results[sign] ?? { result: Math.floor(x / y), remainder: x % y };
}
