// A finger, a pen or a whiteboard: an addition and its score played by taps alone, a window
// dragged by its caption bar, a quick second tap that presses again rather than zooming, and
// every window whole on a tablet, a whiteboard and a zoomed page.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, everyWindowTour, focusedName, openProgram, readLayouts, rightAnswer, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();
const tablet = { viewport: { width: 1024, height: 768 }, hasTouch: true, isMobile: true };

const tap = (page, window, control) => ctl(page, window, control).tap();

test('an addition and its score by touch alone', async () => {
  const page = await openProgram(shared, { device: tablet });
  await tap(page, 'frmuno', 'cmd999');
  await tap(page, 'frm999inizio', 'cmdadd');
  const name = 'frm999addizioni';
  for (const right of [false, true]) {
    const { result } = await rightAnswer(page, name);
    await tap(page, name, 'txturis');
    // The on-screen keyboard opens on the focused cell, offering its digits first.
    assert.deepEqual([await focusedName(page), await ctl(page, name, 'txturis').getAttribute('inputmode')], ['txturis', 'numeric']);
    await page.keyboard.insertText(String(right ? result : result + 1));
    await tap(page, name, 'cmdconferma');
    assert.equal(await ctl(page, name, 'lblmessaggio').textContent(), right ? 'Complimenti! Vai avanti' : 'Sbagliato! Ripeti');
  }
  await tap(page, name, 'cmdpunteggio');
  await tap(page, 'frm999punteggio', 'cmdcalcola');
  assert.deepEqual(await Promise.all(['lblrisg', 'lblriss', 'lblvoto'].map((c) => ctl(page, 'frm999punteggio', c).textContent())),
    ['1', '1', 'Non ci siamo. Esercitati di più']);
  await tap(page, 'frm999punteggio', 'cmdok');
  assert.equal(await win(page, 'frm999inizio').isVisible(), true);
  await page.context().close();
});

// A finger's touches, and a pen's strokes, as the browser receives them from the device.
const strokes = {
  finger: (cdp) => ({
    down: ({ x, y }) => cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] }),
    move: ({ x, y }) => cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x, y }] }),
    up: () => cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] }),
  }),
  pen: (cdp) => {
    const pen = (type, { x, y }, buttons) => cdp.send('Input.dispatchMouseEvent',
      { type, x, y, button: 'left', buttons, clickCount: 1, pointerType: 'pen' });
    let at = { x: 0, y: 0 };
    return {
      down: (point) => pen('mousePressed', (at = point), 1),
      move: (point) => pen('mouseMoved', (at = point), 1),
      up: () => pen('mouseReleased', at, 0),
    };
  },
};

for (const [tool, stroke] of Object.entries(strokes)) {
  test(`a ${tool} drags a window by its caption bar; the client area does not move it`, async () => {
    const page = await openProgram(shared, { device: tablet });
    const device = stroke(await page.context().newCDPSession(page));
    const frame = win(page, 'frmuno');
    const corner = async () => frame.evaluate((el) => [el.offsetLeft, el.offsetTop]);
    const slide = async ([x, y], [dx, dy]) => {
      await device.down({ x, y });
      for (let step = 1; step <= 4; ++step) await device.move({ x: x + (dx * step) / 4, y: y + (dy * step) / 4 });
      await device.up();
    };
    const [left, top] = await corner();
    const caption = await frame.locator('.caption').boundingBox();
    await slide([caption.x + 20, caption.y + 10], [-120, 90]);
    assert.deepEqual(await corner(), [left - 120, top + 90]);
    const client = await frame.locator('[data-client]').boundingBox();
    await slide([client.x + 5, client.y + client.height - 5], [60, -60]);
    assert.deepEqual(await corner(), [left - 120, top + 90]);
    await page.context().close();
  });
}

test('two quick taps on a button are two presses, and the page keeps its scale', async () => {
  const page = await openProgram(shared, { device: tablet });
  await tap(page, 'frmuno', 'cmd999');
  await tap(page, 'frm999inizio', 'cmdadd');
  const check = ctl(page, 'frm999addizioni', 'cmdconferma');
  const box = await check.boundingBox();
  for (let i = 0; i < 2; ++i) await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
  assert.deepEqual([await ctl(page, 'frm999addizioni', 'txttot').inputValue(), await page.evaluate(() => visualViewport?.scale)], ['2', 1]);
  await page.context().close();
});

// Every window, as a tour of them all brings it in front: inside the screen, and no text spilling
// out of its control. The browser's zoom is a larger device pixel ratio on a smaller screen in CSS pixels.
const screens = [
  ['tablet', tablet],
  ['whiteboard', { viewport: { width: 1920, height: 1080 }, hasTouch: true }],
  ['tablet zoomed to 150%', { ...tablet, viewport: { width: 683, height: 512 }, deviceScaleFactor: 1.5 }],
  ['whiteboard zoomed to 250%', { viewport: { width: 768, height: 432 }, deviceScaleFactor: 2.5, hasTouch: true }],
];
for (const [screen, device] of screens) {
  test(`every window whole on a ${screen}`, async () => {
    const page = await openProgram(shared, { device });
    const problems = [];
    for (const step of ['', ...everyWindowTour(await readLayouts(page))]) {
      if (step) await tap(page, ...step.split('.'));
      problems.push(...await page.evaluate(() => {
        const out = [];
        const front = document.querySelector('[role="dialog"].active');
        const box = front.getBoundingClientRect();
        if (box.left < 0 || box.top < 0 || box.right > innerWidth || box.bottom > innerHeight) out.push(`${front.dataset.name} off screen`);
        for (const el of front.querySelectorAll('[data-client] .label, [data-client] .button')) {
          if (!el.hidden && (el.scrollWidth > el.clientWidth || el.scrollHeight > el.clientHeight)) out.push(`${front.dataset.name}.${el.dataset.name} spills`);
        }
        return out;
      }));
    }
    assert.deepEqual(problems, []);
    await page.context().close();
  });
}
