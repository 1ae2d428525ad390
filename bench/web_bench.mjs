// Figures of the browser edition, in headless Chromium on 127.0.0.1:
//   node bench/web_bench.mjs [folder] [runs]
// - start-up: from navigation to the main menu looking final (its pixels equal what the page
//   shows a while later), beside a bare page with one button and the single file opened from the
//   disk, in the same browser runs, each once the browser has settled;
// - the folder's weight, and the single file's;
// - from a click on "Controlla" to the message painted, measured in the page;
// - from a paste of 1 MB and of 10 MB into a cell, then Alt+C, to the judged message painted; and
//   one ordinary event (a check, its message in another cell) while a cell holds 10 MB, split into
//   the core and page's own work and the browser's layout and paint of the frame that shows it.
//   `node bench/web_bench.mjs build/web 10 paste` gives these figures alone.
import { chromium } from 'playwright-core';
import { mkdtemp, readdir, rm, stat, writeFile, mkdir } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
import { readdirSync, readFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { serve } from '../src/web/serve.mjs';
import { SINGLE_FILE } from '../src/web/tools/single_file.mjs';
import { named, readLayouts, way } from './web_layouts.mjs';

const FLAGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync'];
const SETTLE_MS = 1500;
const folder = path.resolve(process.argv[2] ?? 'build/web');
const runs = Number(process.argv[3] ?? 10);

/** @param {number[]} values */
function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

/** @param {string} dir @returns {Promise<string[]>} */
async function filesBelow(dir) {
  const entries = await readdir(dir, { withFileTypes: true });
  const nested = await Promise.all(entries.map((entry) => {
    const full = path.join(dir, entry.name);
    return entry.isDirectory() ? filesBelow(full) : Promise.resolve([full]);
  }));
  return nested.flat();
}

/** Clock ticks of CPU that the browser's processes (those started on `profile`) have used. @param {string} profile */
function browserTicks(profile) {
  let ticks = 0;
  for (const pid of readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      if (!readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes(profile)) continue;
      const fields = readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ');
      ticks += Number(fields[11]) + Number(fields[12]);
    } catch {
      // The process ended meanwhile.
    }
  }
  return ticks;
}

// A browser just started keeps both cores busy for a second or more with its own pages (its
// address bar's suggestions are a web page of their own here). A page timed meanwhile would be
// timed against them: each timing waits until the browser has used no more than a tick in a
// quarter of a second.
/** @param {string} profile */
async function settled(profile) {
  let before = browserTicks(profile);
  for (let waited = 0; waited < 15000; waited += 250) {
    await new Promise((resolve) => setTimeout(resolve, 250));
    const now = browserTicks(profile);
    if (now - before <= 1) return;
    before = now;
  }
}

async function launch() {
  const profile = await mkdtemp(path.join(os.tmpdir(), 'vertola-bench-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium', headless: true, args: FLAGS, viewport: { width: 1280, height: 800 },
  });
  return { context, settled: () => settled(profile),
    close: async () => { await context.close(); await rm(profile, { recursive: true, force: true }); } };
}

// Milliseconds from the navigation to the first screencast frame that equals every later one.
async function timeToFinal({ context, settled }, url, ready) {
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  /** @type {{at: number, data: string}[]} */
  const frames = [];
  cdp.on('Page.screencastFrame', (frame) => {
    frames.push({ at: frame.metadata.timestamp * 1000, data: frame.data });
    cdp.send('Page.screencastFrameAck', { sessionId: frame.sessionId }).catch(() => {});
  });
  await page.goto('about:blank');
  await settled();
  await cdp.send('Page.startScreencast', { format: 'png', everyNthFrame: 1 });
  const start = Date.now();
  await page.goto(url);
  await page.waitForSelector(ready, { state: 'visible' });
  await page.waitForTimeout(SETTLE_MS);
  await cdp.send('Page.stopScreencast');
  await page.close();
  const last = frames.at(-1);
  if (!last) throw new Error(`no frame painted for ${url}`);
  let first = frames.length - 1;
  while (first > 0 && frames[first - 1].data === last.data) --first;
  return frames[first].at - start;
}

/**
 * An exercise window of the tables as the benches drive it: selectors of the window and its check
 * button, and the clicks that open it.
 * @param {Map<string, any>} layouts @param {string} unit @param {number} level
 */
function exerciseOf(layouts, unit, level) {
  const name = named(layouts, unit, level);
  return { window: `[data-name="${name}"]`, check: `[data-name="${layouts.get(name).checkButton}"]`, way: way(layouts, name) };
}

async function startup(appUrl, bareUrl, singleUrl, mainMenu) {
  const menu = `[data-name="${mainMenu}"]`;
  const pages = { app: [appUrl, menu], bare: [bareUrl, 'button'], single: [singleUrl, menu] };
  /** @type {Record<string, number[]>} */
  const times = { app: [], bare: [], single: [] };
  const kinds = Object.keys(pages);
  for (let run = 0; run < runs; ++run) {
    const browser = await launch();
    try {
      // Turning the order keeps a warm-up from favouring any page.
      for (let i = 0; i < kinds.length; ++i) {
        const which = kinds[(run + i) % kinds.length];
        times[which].push(await timeToFinal(browser, ...pages[which]));
      }
    } finally {
      await browser.close();
    }
  }
  return { app: median(times.app), bare: median(times.bare), single: median(times.single) };
}

// The page's own clock: the click event's time stamp, the moment the message text changed, the
// next animation frame (the frame that paints it) and the task after that frame.
async function checkToPaint(appUrl, { window, check, way: clicks }, samples) {
  const browser = await launch();
  try {
    const page = await browser.context.newPage();
    await page.goto(appUrl);
    for (const button of clicks) await page.click(button);
    await page.waitForSelector(`${window} ${check}`, { state: 'visible' });
    await page.evaluate(([selector, checkButton]) => {
      const root = /** @type {HTMLElement} */ (document.querySelector(selector));
      const message = /** @type {HTMLElement} */ (root.querySelector('[data-name="lblmessaggio"]'));
      const button = /** @type {HTMLElement} */ (root.querySelector(checkButton));
      const w = /** @type {any} */ (globalThis);
      w.benchSamples = [];
      let clickAt = 0;
      button.addEventListener('click', (event) => { clickAt = event.timeStamp; }, { capture: true });
      new MutationObserver(() => {
        if (!clickAt || message.textContent === '') return;
        const appliedAt = performance.now();
        const from = clickAt;
        clickAt = 0;
        requestAnimationFrame(() => {
          const frameAt = performance.now();
          const channel = new MessageChannel();
          channel.port1.onmessage = () => w.benchSamples.push({ applied: appliedAt - from, frame: frameAt - from,
            painted: performance.now() - from });
          channel.port2.postMessage(null);
        });
      }).observe(message, { childList: true, characterData: true, subtree: true });
    }, [window, check]);
    for (let sample = 0; sample < samples; ++sample) {
      await page.fill(`${window} [data-name="txturis"]`, 'x');
      await page.click(`${window} ${check}`);
      await page.waitForFunction((n) => /** @type {any} */ (globalThis).benchSamples.length > n, sample);
      // The message's timer blanks it, so the next check shows it afresh.
      await page.waitForFunction((selector) => document.querySelector(selector)?.textContent === '',
        `${window} [data-name="lblmessaggio"]`, { timeout: 10000 });
    }
    const all = await page.evaluate(() => /** @type {any} */ (globalThis).benchSamples);
    return {
      applied: median(all.map((s) => s.applied)), frame: median(all.map((s) => s.frame)),
      painted: median(all.map((s) => s.painted)), worst: Math.max(...all.map((s) => s.painted)), count: all.length,
    };
  } finally {
    await browser.close();
  }
}

// The exercise window of the paste figures, opened on a page of its own with the clipboard at hand.
async function openExercise(browser, appUrl, exercise) {
  const page = await browser.context.newPage();
  await browser.context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await page.goto(appUrl);
  for (const button of exercise.way) await page.click(button);
  await page.waitForSelector(`${exercise.window} ${exercise.check}`, { state: 'visible' });
  return page;
}

// Times in the page, from `start` (a key or click event's time stamp) to the message's text set,
// the frame that shows it and the task after that frame, whenever the message shows anew.
function watchMessage(selector) {
  const message = /** @type {HTMLElement} */ (document.querySelector(`${selector} [data-name="lblmessaggio"]`));
  const w = /** @type {any} */ (globalThis);
  w.benchSamples = [];
  w.benchFrom = 0;
  new MutationObserver(() => {
    if (!w.benchFrom || message.textContent === '') return;
    const from = w.benchFrom;
    const applied = performance.now();
    w.benchFrom = 0;
    requestAnimationFrame(() => {
      const frame = performance.now();
      const channel = new MessageChannel();
      channel.port1.onmessage = () => w.benchSamples.push({ applied: applied - from, frame: frame - from, painted: performance.now() - from });
      channel.port2.postMessage(null);
    });
  }).observe(message, { childList: true, characterData: true, subtree: true });
}

// A paste of `bytes` digits into the result's units cell, then Alt+C: from the paste's key to
// the judged message painted, and what the cell then holds.
async function pasteToPaint(browser, appUrl, exercise, bytes) {
  const page = await openExercise(browser, appUrl, exercise);
  try {
    await page.evaluate(watchMessage, exercise.window);
    await page.evaluate((n) => navigator.clipboard.writeText('7'.repeat(n)), bytes);
    await page.click(`${exercise.window} [data-name="txturis"]`);
    await page.evaluate(() => {
      const w = /** @type {any} */ (globalThis);
      document.addEventListener('keydown', (event) => {
        if (event.code === 'KeyV' && event.ctrlKey) w.benchFrom = event.timeStamp;
      }, { capture: true });
      // The paste's handling in the page: the clipboard's text read, the cell set and the core's
      // edit, from the paste event going down to it coming back up.
      let pasteAt = 0;
      document.addEventListener('paste', () => { pasteAt = performance.now(); }, { capture: true });
      document.addEventListener('paste', () => { w.benchPasteHandled = performance.now() - pasteAt; });
    });
    await page.keyboard.press('Control+V');
    await page.keyboard.press('Alt+C');
    await page.waitForFunction(() => /** @type {any} */ (globalThis).benchSamples.length > 0, null, { timeout: 60000 });
    return await page.evaluate(() => ({ ...(/** @type {any} */ (globalThis).benchSamples[0]),
      handled: /** @type {any} */ (globalThis).benchPasteHandled }));
  } finally {
    await page.close();
  }
}

// A wrong check while the first operand's units cell, which a wrong check leaves alone, holds
// 10 MB: the click's own work (the core's and the page's, up to the end of the click's handling)
// and then the browser's, to the task after the frame that shows the message.
async function eventBesideHugeCell(browser, appUrl, exercise, samples) {
  const page = await openExercise(browser, appUrl, exercise);
  try {
    await page.evaluate((n) => navigator.clipboard.writeText('7'.repeat(n)), 10 * 1024 * 1024);
    await page.click(`${exercise.window} [data-name="txtu1"]`);
    await page.keyboard.press('Control+V');
    await page.evaluate(([selector, check]) => {
      const w = /** @type {any} */ (globalThis);
      const button = /** @type {HTMLElement} */ (document.querySelector(`${selector} ${check}`));
      const message = /** @type {HTMLElement} */ (document.querySelector(`${selector} [data-name="lblmessaggio"]`));
      w.benchSamples = [];
      let from = 0;
      // Moving the focus into a field is the browser's own work, and costs Chromium about as much
      // as the other field holds, whatever the page does: it is timed apart.
      let focusing = 0;
      const focus = HTMLElement.prototype.focus;
      HTMLElement.prototype.focus = function timedFocus(options) {
        const start = performance.now();
        try {
          return focus.call(this, options);
        } finally {
          focusing += performance.now() - start;
        }
      };
      button.addEventListener('click', () => { from = performance.now(); focusing = 0; }, { capture: true });
      // Listeners on the document run after the page's own on the button.
      document.addEventListener('click', () => {
        if (!from || message.textContent === '') return;
        const own = performance.now() - from - focusing;
        const focused = focusing;
        const start = from;
        from = 0;
        requestAnimationFrame(() => {
          const frame = performance.now();
          const channel = new MessageChannel();
          channel.port1.onmessage = () => w.benchSamples.push({ own, focused, browser: performance.now() - frame, painted: performance.now() - start });
          channel.port2.postMessage(null);
        });
      });
    }, [exercise.window, exercise.check]);
    for (let sample = 0; sample < samples; ++sample) {
      await page.click(`${exercise.window} ${exercise.check}`);
      await page.waitForFunction((n) => /** @type {any} */ (globalThis).benchSamples.length > n, sample);
      await page.waitForFunction((selector) => document.querySelector(selector)?.textContent === '',
        `${exercise.window} [data-name="lblmessaggio"]`, { timeout: 10000 });
    }
    const held = await page.$eval(`${exercise.window} [data-name="txtu1"]`, (el) => /** @type {HTMLInputElement} */ (el).value.length);
    const all = await page.evaluate(() => /** @type {any} */ (globalThis).benchSamples);
    return { own: median(all.map((s) => s.own)), focused: median(all.map((s) => s.focused)), browser: median(all.map((s) => s.browser)),
      painted: median(all.map((s) => s.painted)), worstOwn: Math.max(...all.map((s) => s.own)), count: all.length, held };
  } finally {
    await page.close();
  }
}

async function pasteFigures(appUrl, exercise) {
  const ms = (/** @type {number} */ v) => `${v.toFixed(1)} ms`;
  const browser = await launch();
  try {
    await browser.settled();
    for (const [label, bytes] of [['1 MB', 1024 * 1024], ['10 MB', 10 * 1024 * 1024]]) {
      const paste = await pasteToPaint(browser, appUrl, exercise, bytes);
      console.log(`paste of ${label} then Alt+C to the judged message: set ${ms(paste.applied)}, next frame ${ms(paste.frame)}, ` +
        `painted ${ms(paste.painted)}${label === '1 MB' ? ' (target <= 1000 ms)' : ''}; of it the paste's handling in the page ` +
        `${ms(paste.handled)} (the clipboard's text read, the cell set, which has the browser lay the field out there ` +
        `and then, and the core's edit)`);
    }
    const event = await eventBesideHugeCell(browser, appUrl, exercise, Math.max(5, runs));
    console.log(`a check while another cell holds 10 MB (${event.held} characters kept): core and page ${ms(event.own)} ` +
      `(worst ${ms(event.worstOwn)} of ${event.count}; target <= 16.7 ms), the browser's moving of the focus into the result's cell ` +
      `${ms(event.focused)}, then its layout and paint ${ms(event.browser)}, ` +
      `painted ${ms(event.painted)} after the click`);
  } finally {
    await browser.close();
  }
}

async function main() {
  const single = path.join(folder, SINGLE_FILE);
  const files = (await filesBelow(folder)).filter((file) => file !== single);
  const singleBytes = (await stat(single)).size;
  const sizes = await Promise.all(files.map(async (file) => (await stat(file)).size));
  const bytes = sizes.reduce((a, b) => a + b, 0);
  const gzipped = files.reduce((sum, file) => sum + gzipSync(readFileSync(file), { level: 9 }).length, 0);

  const bareDir = path.resolve('build/web-bench-bare');
  await mkdir(bareDir, { recursive: true });
  await writeFile(path.join(bareDir, 'index.html'),
    '<!doctype html><html lang="it"><head><meta charset="utf-8"><title>Pulsante</title></head>' +
    '<body><button type="button">OK</button></body></html>\n');
  const app = await serve(folder, 0);
  const bare = await serve(bareDir, 0);
  const layouts = await readLayouts(app.url, FLAGS);
  // The check is timed in the addition of level 999, the pastes in the one of level 9999.
  const [checked, pasted] = [exerciseOf(layouts, 'Addition', 999), exerciseOf(layouts, 'Addition', 9999)];
  if (process.argv[4] === 'paste') {
    try {
      await pasteFigures(app.url, pasted);
    } finally {
      await app.close();
      await bare.close();
    }
    return;
  }
  try {
    const start = await startup(app.url, bare.url, pathToFileURL(single).href, named(layouts, 'MainMenu'));
    const check = await checkToPaint(app.url, checked, Math.max(5, runs));
    const ms = (/** @type {number} */ v) => `${v.toFixed(1)} ms`;
    console.log(`Chromium ${chromium.name()} headless, ${runs} runs each, medians; build/web on ${app.url}`);
    console.log(`start-up to the main menu looking final: ${ms(start.app)}; bare page with one button: ${ms(start.bare)}; ` +
      `ratio ${(start.app / start.bare).toFixed(2)}x (target <= 1.5x)`);
    console.log(`start-up of ${SINGLE_FILE} from file:// to the main menu looking final: ${ms(start.single)}; ` +
      `the served folder in the same runs: ${ms(start.app)}`);
    console.log(`weight of ${path.relative(process.cwd(), folder)}: ${bytes} bytes (${(bytes / 1024).toFixed(1)} KiB) in ` +
      `${files.length} files, ${gzipped} bytes gzipped file by file (target <= 300 KB), without ${SINGLE_FILE}`);
    console.log(`weight of ${SINGLE_FILE}: ${singleBytes} bytes (${(singleBytes / 1024).toFixed(1)} KiB) (target <= 400 KB)`);
    console.log(`click on "Controlla" to the message: state applied ${ms(check.applied)}, next frame ${ms(check.frame)}, ` +
      `painted ${ms(check.painted)} (worst ${ms(check.worst)} of ${check.count}) (target <= 16.7 ms)`);
    await pasteFigures(app.url, pasted);
  } finally {
    await app.close();
    await bare.close();
  }
}

await main();
