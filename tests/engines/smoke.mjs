// The pupil's main ways through the page, the same in every engine: each engine's suite gives an
// adapter that opens pages, runs scripts in them and clicks through its own automation, while keys
// and pastes are real ones on the suite's own X display, as a pupil's are.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { copyFileSync, mkdtempSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { serve } from '../../src/web/serve.mjs';
import { startDisplay } from './display.mjs';
import { named, wayTo } from '../web/support/rows.mjs';

// The folder under test: the build's, unless VERTOLA_WEB_DIR names another build of it.
export const folder = process.env.VERTOLA_WEB_DIR
  ? path.resolve(process.env.VERTOLA_WEB_DIR)
  : fileURLToPath(new URL('../../build/web/', import.meta.url));

const RIGHT = 'Complimenti! Vai avanti';
const WRONG = 'Sbagliato! Ripeti';
const PATIENCE = 20_000;
// No step of a test waits longer than PATIENCE, nor a whole test longer than this.
const LIMIT = { timeout: 90_000 };

/**
 * @typedef {object} Engine
 * @property {(url: string) => Promise<void>} goto navigates and waits for the page's load
 * @property {() => Promise<void>} reload
 * @property {(fn: Function, ...args: any[]) => Promise<any>} evaluate runs `fn` in the page, awaiting what it returns
 * @property {(selector: string) => Promise<void>} click the automation's own click on the element's centre
 * @property {string} windowClass the X class of the browser's windows, for the real keyboard
 * @property {() => Promise<void>} close ends the browser and everything it started
 */

const win = (name) => `[role="dialog"][data-name="${name}"]`;
const ctl = (window, control) => `${win(window)} [data-client] [data-name="${control}"]`;
/** The button of a click as the rows name it, "window.button". @param {string} click */
const at = (click) => ctl(...(/** @type {[string, string]} */ (click.split('.'))));

/**
 * Registers the smoke tests for one engine.
 * @param {string} name
 * @param {(display: Awaited<ReturnType<typeof startDisplay>>) => Promise<Engine>} launch
 */
export function smokeSuite(name, launch) {
  const shared = /** @type {{ display?: any, engine?: Engine, server?: any, activated?: boolean, layouts?: Map<string, any> }} */ ({});
  before(async () => {
    shared.display = await startDisplay();
    shared.server = await serve(folder, 0);
    shared.engine = await launch(shared.display);
    // The windows' tables from the served folder's own core: which window is which, and the
    // buttons that open it.
    await shared.engine.goto(shared.server.url);
    shared.layouts = new Map((await shared.engine.evaluate(async () => {
      const core = await (await import('./vertola_core.mjs')).default();
      return JSON.parse(core.cwrap('vt_layouts', 'string', [])());
    })).map((/** @type {any} */ layout) => [layout.name, layout]));
  }, LIMIT);
  after(async () => {
    await shared.engine?.close().catch(() => {});
    await shared.server?.close();
    await shared.display?.close();
  });

  /** Waits until `fn` in the page gives something true, and returns it. */
  async function until(fn, args = [], what = fn.toString()) {
    const end = Date.now() + PATIENCE;
    for (;;) {
      const value = await shared.engine.evaluate(fn, ...args).catch(() => undefined);
      if (value) return value;
      if (Date.now() > end) throw new Error(`${name}: still not so after ${PATIENCE} ms: ${what}`);
      await new Promise((resolve) => setTimeout(resolve, 10));
    }
  }
  const shown = (selector) => until((s) => {
    const element = document.querySelector(s);
    return !!element && element.checkVisibility();
  }, [selector], `${selector} shown`);
  const text = (selector) => shared.engine.evaluate((s) => document.querySelector(s)?.textContent ?? null, selector);
  const focused = () => shared.engine.evaluate(() => document.activeElement?.dataset.name ?? '');
  const messageIs = (window, message) => until((s, m) => document.querySelector(s)?.textContent === m,
    [ctl(window, 'lblmessaggio'), message], `${window}'s message "${message}"`);

  /** The main menu's buttons that open the level menus. */
  const levelButtons = () => [...shared.layouts.values()].filter((window) => window.unit === 'LevelMenu')
    .map(({ opener }) => ctl(opener.window, opener.button));

  /** The main menu at `url`, with the browser's window holding the real keyboard. */
  async function start(url) {
    await shared.engine.goto(url);
    await shown(levelButtons()[0]);
    if (!shared.activated) {
      // Keys go to the window that last had a real click; the desk's corner does nothing.
      await shared.display.clickWindowCorner(shared.engine.windowClass);
      shared.activated = true;
    }
  }
  /** The addition window of a level, opened by the buttons the rows name; its name. @param {number} level */
  async function openAddition(level) {
    const window = named(shared.layouts, 'Addition', level);
    for (const click of wayTo(shared.layouts, window)) {
      await shown(at(click));
      await shared.engine.click(at(click));
    }
    await shown(ctl(window, 'txturis'));
    return window;
  }
  const checkButton = (window) => ctl(window, shared.layouts.get(window).checkButton);
  async function sum(window) {
    const operation = await text(ctl(window, 'lbloper'));
    const [a, , b, , c] = operation.split(' ').map(Number);
    return a + b + c;
  }
  /** Real keys typed into a cell the automation clicked. */
  async function typeInto(selector, typed) {
    await shared.engine.click(selector);
    await until((s) => document.activeElement === document.querySelector(s), [selector], `${selector} focused`);
    await shared.display.type(typed);
    await until((s, t) => document.querySelector(s).value === t, [selector, typed], `${selector} holds ${typed}`);
  }
  async function answer(window, given, message) {
    await typeInto(ctl(window, 'txturis'), String(given));
    await shared.engine.click(checkButton(window));
    await messageIs(window, message);
  }

  test(`${name}: the served folder shows the main menu`, LIMIT, async () => {
    await start(shared.server.url);
    assert.equal(await shared.engine.evaluate(() => document.title), 'Operazioni in vertola');
    for (const button of levelButtons()) await shown(button);
  });

  test(`${name}: an addition answered wrong, then right`, LIMIT, async () => {
    await start(shared.server.url);
    const addition = await openAddition(999);
    const right = await sum(addition);
    await answer(addition, right + 1, WRONG);
    assert.equal(await shared.engine.evaluate((s) => getComputedStyle(document.querySelector(s)).color,
      ctl(addition, 'lblmessaggio')), 'rgb(255, 0, 0)');
    await answer(addition, right, RIGHT);
    assert.deepEqual(await shared.engine.evaluate((cells) => cells.map((s) => document.querySelector(s).value),
      ['txtrisg', 'txtriss', 'txttot'].map((c) => ctl(addition, c))), ['1', '1', '2']);
  });

  test(`${name}: a pasted million characters are judged whole`, LIMIT, async () => {
    await start(shared.server.url);
    const addition = await openAddition(9999);
    const right = String(await sum(addition));
    // Leading zeros keep the sum; a paste cut short would be judged as zeros alone. (WebKit's
    // <input> holds at most 524,288 characters, whoever sets its value, so the cell's own length
    // is no measure.)
    const pasted = '0'.repeat(1_000_000 - right.length) + right;
    await shared.display.holdClipboard(pasted);
    const cell = ctl(addition, 'txturis');
    await shared.engine.click(cell);
    await until((s) => document.activeElement === document.querySelector(s), [cell], 'the result cell focused');
    await shared.display.keys('ctrl+v');
    await until((s) => document.querySelector(s).value.length > 0, [cell], 'the paste in the cell');
    await shared.engine.click(checkButton(addition));
    await messageIs(addition, RIGHT);
  });

  test(`${name}: Shift+Tab walks the window's tab order backwards`, LIMIT, async () => {
    await start(shared.server.url);
    const addition = await openAddition(999);
    // The table's order, from the core itself, among the controls shown.
    const order = await shared.engine.evaluate(async (window) => {
      const core = await (await import('./vertola_core.mjs')).default();
      const layout = JSON.parse(core.cwrap('vt_layouts', 'string', [])()).find((l) => l.name === window);
      return layout.tabOrder.filter((c) => document.querySelector(`[data-name="${window}"] [data-name="${c}"]`)?.checkVisibility());
    }, addition);
    assert.ok(order.length >= 3, `${order}`);
    const first = order.indexOf(await focused());
    assert.notEqual(first, -1);
    const walked = [];
    for (const _ of order) {
      await shared.display.keys('shift+Tab');
      const previous = walked.at(-1) ?? order[first];
      walked.push(await until((was) => {
        const now = document.activeElement?.dataset.name;
        return now && now !== was ? now : '';
      }, [previous], 'focus moved'));
    }
    const back = [...order.slice(0, first).reverse(), ...order.slice(first).reverse()];
    assert.deepEqual(walked, back);
  });

  test(`${name}: the single file, from a folder of its own on disk`, LIMIT, async () => {
    const stick = mkdtempSync(path.join(os.tmpdir(), 'vertola-stick-'));
    try {
      copyFileSync(path.join(folder, 'operazioni-in-vertola.html'), path.join(stick, 'operazioni-in-vertola.html'));
      await start(pathToFileURL(path.join(stick, 'operazioni-in-vertola.html')).href);
      const addition = await openAddition(999);
      await answer(addition, await sum(addition), RIGHT);
    } finally {
      rmSync(stick, { recursive: true, force: true });
    }
  });

  test(`${name}: after one visit the worker opens the page with the server gone`, LIMIT, async () => {
    const server = await serve(folder, 0);
    let stopped = false;
    try {
      await start(server.url);
      // Active means the worker has kept the whole folder.
      await until(async () => (await navigator.serviceWorker.ready).active?.state === 'activated', [], 'the worker active');
      await server.close();
      stopped = true;
      await shared.engine.reload();
      await shown(levelButtons()[0]);
      assert.ok(await shared.engine.evaluate(() => !!navigator.serviceWorker.controller), 'the page came from the worker');
      const addition = await openAddition(999);
      await answer(addition, await sum(addition) + 1, WRONG);
    } finally {
      if (!stopped) await server.close();
    }
  });
}
