// The close box in the caption bar closes its window and runs none of its buttons' logic; the
// program ends when no window is loaded any more.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, openWindow, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();

const closeBox = (page, window) => win(page, window).getByRole('button', { name: 'Chiudi' });
const loadedWindows = (page) => page.locator('[role="dialog"]').evaluateAll((all) => all.map((w) => w.dataset.name).sort());

test('closing the chooser leaves the level menu as it was', async () => {
  const page = await openProgram(shared);
  await openWindow(page, 'frm9999scelta');
  await closeBox(page, 'frm9999scelta').click();
  assert.deepEqual(await loadedWindows(page), ['frm9999inizio']);
});

test('closing an exercise window does not open its menu', async () => {
  const page = await openProgram(shared);
  await openWindow(page, 'frm9999scelta');
  await ctl(page, 'frm9999inizio', 'cmdadd').click();
  await closeBox(page, 'frm9999addizioni').click();
  // The subtraction window was loaded hidden by the menu's marker reset and stays so.
  assert.deepEqual(await loadedWindows(page), ['frm9999scelta', 'frm9999sottrazioni']);
  assert.equal(await win(page, 'frm9999sottrazioni').isHidden(), true);
});
