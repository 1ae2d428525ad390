// Windows stack and move as on a desktop: dragged by their caption bar, brought in front by a
// click or when the core opens them again, where the pupil left them, or by the next-window key.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, focusedName, openProgram, openWindow, readLayouts, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();
const front = (page) => page.evaluate(() => document.querySelector('[role="dialog"].active').dataset.name);

test('drag by the caption bar, click to the front, reopen to the front', async () => {
  const page = await openProgram(shared);
  await openWindow(page, 'frm9999scelta');
  const chooser = win(page, 'frm9999scelta');
  const before = await chooser.boundingBox();
  await page.mouse.move(before.x + 60, before.y + 10);
  await page.mouse.down();
  await page.mouse.move(before.x - 40, before.y + 260, { steps: 4 });
  await page.mouse.up();
  const after = await chooser.boundingBox();
  assert.deepEqual([after.x - before.x, after.y - before.y, await front(page)], [-100, 250, 'frm9999scelta']);
  await ctl(page, 'frm9999inizio', 'Picture1').click({ position: { x: 5, y: 5 } });
  assert.equal(await front(page), 'frm9999inizio');
  await ctl(page, 'frm9999inizio', 'cmdmolt').click();
  assert.deepEqual([await front(page), await chooser.boundingBox()], ['frm9999scelta', after]);
});

test('without a mouse: the next-window key brings the window behind to the front on its first control', async () => {
  const page = await openProgram(shared);
  const [first, second] = (await readLayouts(page)).get('frm9999inizio').tabOrder;
  await openWindow(page, 'frm9999scelta');
  // Keys, then the window in front and the focus: the close key leaves the one in front the focus it had.
  for (const [keys, inFront, focused] of [['Alt+Comma', 'frm9999inizio', first], ['Tab', 'frm9999inizio', second],
    ['Alt+Comma', 'frm9999scelta', 'cmd1'], ['Alt+Period', 'frm9999inizio', second], ['Alt+Comma', 'frm9999inizio', second]]) {
    await page.keyboard.press(keys);
    assert.deepEqual([keys, await front(page), await focusedName(page)], [keys, inFront, focused]);
  }
});
