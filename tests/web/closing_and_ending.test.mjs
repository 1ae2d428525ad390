// The close box closes its window without its buttons' logic; the program ends when no window is
// shown any more, or by its exit button or Esc, and then offers to start again.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickAll, ctl, loadedWindows, openProgram, openWindow, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();
const closeBox = (window) => (page) => win(page, window).getByRole('button', { name: 'Chiudi' }).click();

// The windows opened, how one is closed, and the windows loaded afterwards.
const closings = [
  [['frm9999scelta'], closeBox('frm9999scelta'), ['frm9999inizio']],
  // The exercise window does not open its menu; the subtraction loaded by the marker reset stays hidden.
  [['frm9999scelta', 'frm9999inizio.cmdadd'], closeBox('frm9999addizioni'), ['frm9999scelta', 'frm9999sottrazioni']],
];
const endings = [
  ['the exit button', (page) => ctl(page, 'frmuno', 'cmdesci').click()],
  ['Esc', (page) => page.keyboard.press('Escape')],
  ['the close box of the last window shown', closeBox('frmuno')],
];

for (const [[window, ...clicks], close, after] of closings) {
  test(`close box: ${after}`, async () => {
    const page = await openProgram(shared);
    await openWindow(page, window);
    await clickAll(page, clicks);
    await close(page);
    assert.deepEqual(await loadedWindows(page), after);
  });
}

for (const [way, end] of endings) {
  test(`ended by ${way}, started again`, async () => {
    const page = await openProgram(shared);
    // A window loaded hidden goes too.
    await clickAll(page, ['frmuno.cmd999', 'frm999inizio.cmdadd', 'frm999addizioni.cmdfine', 'frm999inizio.cmdesci']);
    await end(page);
    assert.deepEqual(await loadedWindows(page), []);
    assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Ricomincia');
    await page.keyboard.press('Enter');
    await win(page, 'frmuno').waitFor();
    assert.deepEqual(await loadedWindows(page), ['frmuno']);
  });
}
