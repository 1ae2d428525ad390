// No window can be lost: a drag past any edge and a window shown again leave its caption bar
// within reach; a page that turns, shrinks, zooms or loses part of itself to an on-screen keyboard
// gets every window as a fresh start there would, and a window the pupil moved wholly on it; on a
// screen smaller than the windows the desk is drawn smaller, and every control is seen and answers
// the finger that taps it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, focusedName, openProgram, openWindow, useBrowser, win } from './support/program.mjs';

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

/** The part of each shown window on the page, and the page, in CSS pixels. */
const shownBoxes = (page) => page.evaluate(() => Object.fromEntries([...document.querySelectorAll('[role="dialog"]')]
  .filter((el) => el.checkVisibility()).map((el) => {
    const { left, top, right, bottom } = el.getBoundingClientRect();
    return [el.dataset.name, [left, top, right, bottom].map((v) => Math.round(v * 100) / 100)];
  })));

/** An on-screen keyboard as Safari reports it: the visual viewport shortened to `height`, or given back. */
const keyboard = (page, height) => page.evaluate((h) => {
  if (h) Object.defineProperty(visualViewport, 'height', { configurable: true, get: () => h });
  else delete visualViewport.height;
  visualViewport.dispatchEvent(new Event('resize'));
}, height);

/** The page made `size` (CSS pixels, a zoom as a device pixel ratio), or shortened by a keyboard. */
async function changeTo(page, { viewport, deviceScaleFactor = 1, keyboardHeight }, mobile) {
  if (keyboardHeight !== undefined) return keyboard(page, keyboardHeight);
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Emulation.setDeviceMetricsOverride', { ...viewport, deviceScaleFactor, mobile });
  await page.waitForFunction(([w, h]) => innerWidth === w && innerHeight === h, [viewport.width, viewport.height]);
}

const touch = { hasTouch: true, isMobile: true };
const laptop = { viewport: { width: 1366, height: 768 } };
const whiteboard = { viewport: { width: 1920, height: 1080 }, hasTouch: true };
// How the page changes under a window: the device the pupil starts on, the window opened (and the
// cell focused), the page after the change, and a fresh start at that size.
const changes = [
  ['a phone turned', { viewport: { width: 640, height: 360 }, ...touch }, ['frmuno'], { viewport: { width: 360, height: 640 } }],
  ['a 7-inch tablet turned', { viewport: { width: 600, height: 960 }, ...touch }, ['frmuno'], { viewport: { width: 960, height: 600 } }],
  ['a laptop browser snapped to half the screen', laptop, ['frmuno'], { viewport: { width: 683, height: 768 } }],
  ['a laptop zoomed to 150% during an addition', laptop, ['frm999addizioni'], { viewport: { width: 911, height: 512 }, deviceScaleFactor: 1.5 }],
  ['a whiteboard zoomed to 250% during an addition', whiteboard, ['frm999addizioni'], { viewport: { width: 768, height: 432 }, deviceScaleFactor: 2.5 }],
  ['an on-screen keyboard over a phone, a cell focused', { viewport: { width: 360, height: 640 }, ...touch }, ['frm999addizioni', 'txturis'],
    { keyboardHeight: 360 }, { viewport: { width: 360, height: 360 } }],
];

for (const [change, device, [window, cell], after, fresh = after] of changes) {
  test(`${change}: every window as at a fresh start, whole on what shows of the page, and back again`, async () => {
    const open = async (on) => {
      const page = await openProgram(shared, { device: on });
      await openWindow(page, window);
      if (cell) await ctl(page, window, cell).focus();
      return page;
    };
    const freshPage = await open({ ...device, ...fresh, deviceScaleFactor: fresh.deviceScaleFactor ?? 1 });
    const wanted = await shownBoxes(freshPage);
    await freshPage.context().close();

    const page = await open(device);
    const before = await shownBoxes(page);
    await changeTo(page, after, device.isMobile ?? false);
    const [width, height] = after.keyboardHeight ? [360, after.keyboardHeight] : [after.viewport.width, after.viewport.height];
    const boxes = await shownBoxes(page);
    assert.deepEqual(boxes, wanted);
    for (const [name, [left, top, right, bottom]] of Object.entries(boxes)) {
      assert.ok(left >= 0 && top >= 0 && right <= width && bottom <= height, `${name} at ${[left, top, right, bottom]} on ${width} x ${height}`);
    }
    if (cell) {
      // The cell keeps the focus, in sight above the keyboard, and so does the check button.
      const seen = await Promise.all([cell, 'cmdconferma'].map((c) => ctl(page, window, c).evaluate((el) => el.getBoundingClientRect().bottom)));
      assert.deepEqual([await focusedName(page), seen.every((bottom) => bottom <= height)], [cell, true]);
    }
    await changeTo(page, after.keyboardHeight ? { keyboardHeight: null } : device, device.isMobile ?? false);
    assert.deepEqual(await shownBoxes(page), before);
    await page.context().close();
  });
}

test('a window the pupil dragged part off the page stays there while the page keeps its size, and comes wholly on when it shrinks', async () => {
  const page = await openProgram(shared, { device: { viewport: { width: 1024, height: 768 } } });
  await drag(page, 'frmuno', [400, 0]);
  const dragged = await shownBoxes(page);
  assert.ok(dragged.frmuno[2] > 1024, `${dragged.frmuno} hangs off the right edge`);
  // Browsers also tell of a resize, and the visual viewport of a scroll, that change nothing.
  await page.evaluate(() => ['resize', 'scroll'].forEach((kind) => {
    window.dispatchEvent(new Event(kind));
    visualViewport.dispatchEvent(new Event(kind));
  }));
  assert.deepEqual(await shownBoxes(page), dragged);
  await page.setViewportSize({ width: 800, height: 600 });
  const [left, top, right, bottom] = (await shownBoxes(page)).frmuno;
  // Moved by as little as it takes: flush with the right edge, at the height it was.
  assert.deepEqual([right, top, bottom - top, right - left], [800, dragged.frmuno[1], ...[3, 2].map((i) => dragged.frmuno[i] - dragged.frmuno[i - 2])]);
  // Larger again, the page leaves it where it is: only a window the pupil has not moved is centred anew.
  await page.setViewportSize({ width: 1024, height: 768 });
  assert.equal((await shownBoxes(page)).frmuno[2], 800);
  await page.context().close();
});

test('a page made smaller brings every window wholly onto it, also one hidden meanwhile', async () => {
  const page = await openProgram(shared, { device: { viewport: { width: 1024, height: 768 } } });
  await ctl(page, 'frmuno', 'cmd999').click();
  await ctl(page, 'frm999inizio', 'cmdadd').click();
  await drag(page, 'frm999addizioni', [480, 320]);
  // The score hides the exercise, which the level menu shows again where it was.
  await ctl(page, 'frm999addizioni', 'cmdpunteggio').click();
  await drag(page, 'frm999punteggio', [600, 400]);
  await page.setViewportSize({ width: 700, height: 600 });
  const seen = [await shownBoxes(page)];
  await ctl(page, 'frm999punteggio', 'cmdcalcola').click();
  await ctl(page, 'frm999punteggio', 'cmdok').click();
  await ctl(page, 'frm999inizio', 'cmdadd').click();
  seen.push(await shownBoxes(page));
  for (const [name, [left, top, right, bottom]] of seen.flatMap(Object.entries)) {
    assert.ok(left >= 0 && top >= 0 && right <= 700 && bottom <= 600, `${name} at ${[left, top, right, bottom]}`);
  }
  await page.context().close();
});

const phone = { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true };
const tour = ['frmuno.cmd999', 'frm999inizio.cmdadd', 'frm999addizioni.cmdpunteggio', 'frm999punteggio.cmdcalcola',
  'frm999punteggio.cmdok', 'frm999inizio.cmdadd', 'frm999addizioni.cmdfine', 'frm999inizio.cmdesci', 'frmuno.cmd9999',
  'frm9999inizio.cmdmolt'];

test('on a 360 x 640 phone every window is whole on the page and every control answers a tap', async () => {
  const page = await openProgram(shared, { device: phone });
  const problems = [];
  for (const step of ['', ...tour]) {
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
  await win(page, 'frm9999scelta').locator('.close-box').tap();
  assert.equal(await win(page, 'frm9999scelta').count(), 0);
  await page.context().close();
});

test('where the windows fit, the desk is drawn as it is', async () => {
  const page = await openProgram(shared, { device: { viewport: { width: 1024, height: 768 }, hasTouch: true, isMobile: true } });
  assert.deepEqual(await page.evaluate(() => [getComputedStyle(document.getElementById('desk')).transform,
    document.getElementById('desk').getBoundingClientRect().width]), ['none', 1024]);
  await page.context().close();
});
