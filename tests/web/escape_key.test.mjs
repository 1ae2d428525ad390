// Esc presses the window's cancel button; a window without one ignores it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { openProgram, openWindow, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();

// The window Esc is pressed in, and the windows loaded afterwards ([] when the program ends).
const cases = [
  ['frmuno', []],
  ['frm999inizio', ['frmuno']],
  ['frm9999scelta', ['frm9999inizio', 'frm9999scelta']],
  ['frm999divisioni', ['frm999inizio']],
  ['frm9999moltiplicazioni2', ['frm9999inizio']],
];

for (const [window, after] of cases) {
  test(`Esc in ${window}`, async () => {
    const page = await openProgram(shared);
    await openWindow(page, window);
    await page.keyboard.press('Escape');
    const loaded = await page.locator('[role="dialog"]').evaluateAll((all) => all.map((w) => w.dataset.name).sort());
    assert.deepEqual(loaded, after);
    if (after.length) assert.equal(await win(page, after[0]).isVisible(), true);
    });
}
