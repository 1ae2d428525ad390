// Windows on the page stack and move as on a desktop: dragged by their caption bar, brought in
// front by a click or when the core opens them again.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, openWindow, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();

const front = (page) => page.evaluate(() => document.querySelector('[role="dialog"].active')?.dataset.name);

test('drag by the caption bar, click to the front, reopen to the front', async () => {
  const page = await openProgram(shared);
  await openWindow(page, 'frm9999scelta');
  const chooser = win(page, 'frm9999scelta');
  const before = await chooser.boundingBox();
  const bar = await chooser.locator('.caption-bar').boundingBox();
  await page.mouse.move(bar.x + 60, bar.y + 8);
  await page.mouse.down();
  await page.mouse.move(bar.x - 40, bar.y + 258, { steps: 4 });
  await page.mouse.up();
  const after = await chooser.boundingBox();
  assert.deepEqual([after.x - before.x, after.y - before.y], [-100, 250]);
  assert.equal(await front(page), 'frm9999scelta');
  await ctl(page, 'frm9999inizio', 'Picture1').click({ position: { x: 5, y: 5 } });
  assert.equal(await front(page), 'frm9999inizio');
  await ctl(page, 'frm9999inizio', 'cmdmolt').click();
  assert.equal(await front(page), 'frm9999scelta');
  // The window stays where the pupil put it.
  assert.deepEqual(await chooser.boundingBox(), after);
});
