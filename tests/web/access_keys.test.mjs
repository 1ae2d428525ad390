// Buttons pressed from the keyboard: Alt with the access letter (also letters the browser keeps
// for itself), and Enter or Space on the focused button.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, openWindow, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();

// Start window, keys, the window that comes, a label there and the text it shows then.
const cases = [
  ['frm999inizio', 'Alt+f', 'frmuno'],
  ['frm999addizioni', 'Alt+c', 'frm999addizioni', 'lblmessaggio', 'Sbagliato! Ripeti'],
  ['frm9999divisioni', 'Alt+C', 'frm9999divisioni', 'lblmessaggio', 'Sbagliato! Ripeti'],
  ['frm999sottrazioni', 'Alt+p', 'frm999punteggio'],
  ['frm999punteggio', 'Alt+c', 'frm999punteggio', 'lblrisg', '0'],
  ['frm9999moltiplicazioni', 'Alt+f', 'frm9999inizio'],
  ['frm999inizio', 'Enter', 'frmuno'],
  ['frm9999inizio', 'Space', 'frmuno'],
  ['frmuno', 'Space', 'frm999inizio'],
];

for (const [start, keys, comes, label, text] of cases) {
  test(`${keys} in ${start}`, async () => {
    const page = await openProgram(shared);
    await openWindow(page, start);
    await page.keyboard.press(keys);
    await win(page, comes).waitFor();
    if (label) assert.equal(await ctl(page, comes, label).textContent(), text);
    });
}

test('Alt with a letter no button has does nothing', async () => {
  const page = await openProgram(shared);
  await openWindow(page, 'frm999addizioni');
  await page.keyboard.press('Alt+z');
  assert.equal(await ctl(page, 'frm999addizioni', 'lblmessaggio').textContent(), '');
});
