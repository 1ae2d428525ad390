// No window can be lost: a drag past any edge and a window shown again leave its caption bar
// within reach; a page that turns, shrinks, zooms or loses part of itself to an on-screen keyboard
// gets every window as a fresh start there would, and a window the pupil moved wholly on it; on a
// screen smaller than the windows the desk is drawn smaller, and every control is seen and answers
// the finger that taps it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, everyWindowTour, focusedName, named, openProgram, openWindow, readLayouts, useBrowser, wayTo, win } from './support/program.mjs';

const shared = useBrowser();

/** The part of a window's caption bar on the page, in CSS pixels, and the bar's own height. */
const captionOnPage = (page, name) => win(page, name).evaluate((el) => {
  const bar = el.querySelector('.caption-bar').getBoundingClientRect();
  const width = Math.min(bar.right, innerWidth) - Math.max(bar.left, 0);
  const height = Math.min(bar.bottom, innerHeight) - Math.max(bar.top, 0);
  return { width, height, full: bar.height, x: (Math.max(bar.left, 0) + Math.min(bar.right, innerWidth)) / 2, y: (bar.top + bar.bottom) / 2 };
});

/** Drags a window by a point of its caption bar (its title, away from the close box) by dx, dy. */
async function drag(page, name, [dx, dy], from = null) {
  const at = from ?? await win(page, name).locator('.caption').boundingBox().then((box) => ({ x: box.x + 10, y: box.y + box.height / 2 }));
  await page.mouse.move(at.x, at.y);
  await page.mouse.down();
  for (let step = 1; step <= 5; ++step) await page.mouse.move(at.x + (dx * step) / 5, at.y + (dy * step) / 5);
  await page.mouse.up();
}

const edges = [['left', [-3000, 0]], ['right', [3000, 0]], ['top', [0, -3000]], ['bottom', [0, 3000]],
  ['top left', [-3000, -3000]], ['bottom right', [3000, 3000]]];

for (const [edge, by] of edges) {
  test(`a window dragged past the ${edge} edge keeps its caption bar within reach, and comes back by it`, async () => {
    const page = await openProgram(shared);
    await drag(page, 'frmuno', by);
    const left = await captionOnPage(page, 'frmuno');
    assert.ok(left.width >= 40 && left.height === left.full, `${JSON.stringify(left)} of the caption bar on the page`);
    // Taken by what shows of it, the window comes back whole.
    const off = await win(page, 'frmuno').boundingBox();
    await drag(page, 'frmuno', [(1024 - off.width) / 2 - off.x, (768 - off.height) / 2 - off.y], { x: left.x, y: left.y });
    const box = await win(page, 'frmuno').boundingBox();
    assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= 1024 && box.y + box.height <= 768, JSON.stringify(box));
  });
}

/** Each shown window's place on the page, in CSS pixels. */
const boxes = (page) => page.locator('[role="dialog"]:visible').evaluateAll((all) =>
  Object.fromEntries(all.map((el) => [el.dataset.name, el.getBoundingClientRect().toJSON()])));

/** The page made as `device` is (a zoom is a larger pixel ratio on fewer CSS pixels), or shortened
 * to `keyboard` pixels by an on-screen keyboard (0: gone) as Safari reports one. */
async function reshape(page, { viewport, deviceScaleFactor = 1, isMobile = false, keyboard }) {
  if (keyboard !== undefined) {
    return page.evaluate((height) => {
      if (height) Object.defineProperty(visualViewport, 'height', { configurable: true, get: () => height });
      else delete visualViewport.height;
      visualViewport.dispatchEvent(new Event('resize'));
    }, keyboard);
  }
  await (await page.context().newCDPSession(page)).send('Emulation.setDeviceMetricsOverride', { ...viewport, deviceScaleFactor, mobile: isMobile });
  await page.waitForFunction((width) => innerWidth === width, viewport.width);
  // A resize is told to the page at the next frame, before that frame's callbacks.
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
}

const touch = (width, height) => ({ viewport: { width, height }, hasTouch: true, isMobile: true });
const laptop = { viewport: { width: 1366, height: 768 } };
// The device the pupil starts on, what the page becomes (for a keyboard, also the size of a fresh
// start to compare with), the window open and the cell focused.
const changes = [
  ['a phone turned', touch(640, 360), touch(360, 640), 'frmuno'],
  ['a 7-inch tablet turned', touch(600, 960), touch(960, 600), 'frmuno'],
  ['a laptop browser snapped to half the screen', laptop, { viewport: { width: 683, height: 768 } }, 'frmuno'],
  ['a laptop zoomed to 150%', laptop, { viewport: { width: 911, height: 512 }, deviceScaleFactor: 1.5 }, 'frm999addizioni'],
  ['a whiteboard zoomed to 250%', { viewport: { width: 1920, height: 1080 }, hasTouch: true },
    { viewport: { width: 768, height: 432 }, deviceScaleFactor: 2.5 }, 'frm999addizioni'],
  ['an on-screen keyboard over a phone', touch(360, 640), { ...touch(360, 360), keyboard: 360 }, 'frm999addizioni', 'txturis'],
];

for (const [change, from, to, window, cell] of changes) {
  test(`${change}: every window where a fresh start puts it, whole on the page, and back again`, async () => {
    const open = async (device) => {
      const page = await openProgram(shared, { device });
      await openWindow(page, window);
      if (cell) await ctl(page, window, cell).focus();
      return [page, await boxes(page)];
    };
    const { keyboard, ...fresh } = to;
    const [freshPage, wanted] = await open(fresh);
    await freshPage.context().close();
    const [page, before] = await open(from);
    await reshape(page, to);
    const now = await boxes(page);
    assert.deepEqual(now, wanted);
    assert.ok(Object.values(now).every((box) => box.left >= 0 && box.top >= 0 && box.right <= to.viewport.width && box.bottom <= to.viewport.height), JSON.stringify(now));
    // The cell keeps the focus, in sight above the keyboard.
    if (cell) assert.equal(await focusedName(page), cell);
    await reshape(page, keyboard ? { keyboard: 0 } : from);
    assert.deepEqual(await boxes(page), before);
    await page.context().close();
  });
}

test('a page made smaller brings the windows the pupil moved wholly onto it, also one hidden meanwhile; one of the same size moves none', async () => {
  const page = await openProgram(shared, { device: { viewport: { width: 1024, height: 768 } } });
  await ctl(page, 'frmuno', 'cmd999').click();
  await ctl(page, 'frm999inizio', 'cmdadd').click();
  await drag(page, 'frm999addizioni', [480, 320]);
  // The score hides the exercise, which the level menu shows again where it was.
  await ctl(page, 'frm999addizioni', 'cmdpunteggio').click();
  await drag(page, 'frm999punteggio', [600, 400]);
  // Browsers also tell of a resize, and the visual viewport of a scroll, that change nothing.
  const dragged = await boxes(page);
  await page.evaluate(() => ['resize', 'scroll'].forEach((kind) => [window, visualViewport].forEach((on) => on.dispatchEvent(new Event(kind)))));
  assert.deepEqual(await boxes(page), dragged);
  await reshape(page, { viewport: { width: 700, height: 600 } });
  const seen = [await boxes(page)];
  await ctl(page, 'frm999punteggio', 'cmdcalcola').click();
  await ctl(page, 'frm999punteggio', 'cmdok').click();
  await ctl(page, 'frm999inizio', 'cmdadd').click();
  seen.push(await boxes(page));
  // Each hung off the right and the bottom, and is moved no further than onto the page.
  for (const box of seen.flatMap(Object.values)) assert.deepEqual([box.right, box.bottom], [700, 600]);
  await page.context().close();
});

const phone = { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true };
test('on a 360 x 640 phone every window is whole on the page and every control answers a tap', async () => {
  const page = await openProgram(shared, { device: phone });
  const layouts = await readLayouts(page);
  // Every window, and last the chooser in front of its menu.
  const chooser = named(layouts, 'Chooser', 9999);
  const problems = [];
  for (const step of ['', ...everyWindowTour(layouts), ...wayTo(layouts, chooser)]) {
    if (step) await ctl(page, ...step.split('.')).tap();
    problems.push(...await page.evaluate(() => {
      const out = [];
      const front = document.querySelector('[role="dialog"].active');
      const box = front.getBoundingClientRect();
      if (box.left < 0 || box.top < 0 || box.right > innerWidth + 0.5 || box.bottom > innerHeight + 0.5) out.push(`${front.dataset.name} off the page`);
      // What the finger finds at the middle of each control is that control.
      for (const el of front.querySelectorAll('[data-client] .control:not(.line), .close-box')) {
        if (el.hidden || !el.checkVisibility()) continue;
        const r = el.getBoundingClientRect();
        const found = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
        if (!found || (found !== el && !el.contains(found))) out.push(`${front.dataset.name}.${el.dataset.name ?? 'close box'} not under its middle`);
      }
      return out;
    }));
  }
  assert.deepEqual(problems, []);
  // The close box of the front window, tapped, closes it.
  await win(page, chooser).locator('.close-box').tap();
  assert.equal(await win(page, chooser).count(), 0);
  await page.context().close();
});

test('where the windows fit, the desk is drawn as it is', async () => {
  const page = await openProgram(shared, { device: { viewport: { width: 1024, height: 768 }, hasTouch: true, isMobile: true } });
  assert.deepEqual(await page.evaluate(() => [getComputedStyle(document.getElementById('desk')).transform,
    document.getElementById('desk').getBoundingClientRect().width]), ['none', 1024]);
  await page.context().close();
});
