// No window can be lost: a drag past any edge, a page made smaller and a window shown again all
// leave its caption bar within reach; on a screen smaller than the windows the desk is drawn
// smaller, and every control is seen and answers the finger that taps it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, useBrowser, win } from './support/program.mjs';

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

test('a page made smaller keeps every window within reach, also one hidden meanwhile', async () => {
  const page = await openProgram(shared, { device: { viewport: { width: 1024, height: 768 } } });
  await ctl(page, 'frmuno', 'cmd999').click();
  await ctl(page, 'frm999inizio', 'cmdadd').click();
  await drag(page, 'frm999addizioni', [480, 320]);
  // The score hides the exercise, which the level menu shows again where it was.
  await ctl(page, 'frm999addizioni', 'cmdpunteggio').click();
  await drag(page, 'frm999punteggio', [600, 400]);
  await page.setViewportSize({ width: 700, height: 600 });
  const reach = [await captionOnPage(page, 'frm999punteggio')];
  await ctl(page, 'frm999punteggio', 'cmdcalcola').click();
  await ctl(page, 'frm999punteggio', 'cmdok').click();
  await ctl(page, 'frm999inizio', 'cmdadd').click();
  reach.push(await captionOnPage(page, 'frm999addizioni'));
  for (const bar of reach) assert.ok(bar.width >= 40 && bar.height === bar.full, JSON.stringify(bar));
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
