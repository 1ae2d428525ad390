// Buttons pressed from the keyboard: Esc presses the cancel button, Alt with the access letter
// its button (also letters the browser keeps for itself, but never with Shift), Enter and Space
// the focused button.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, loadedWindows, openProgram, openWindow, useBrowser } from './support/program.mjs';

const shared = useBrowser();

// Window, keys, the windows loaded afterwards, and a label of the first with the text it shows.
const cases = [
  ['frmuno', 'Escape', []],
  ['frm999inizio', 'Escape', ['frmuno']],
  ['frm9999scelta', 'Escape', ['frm9999inizio', 'frm9999scelta']],
  ['frm9999moltiplicazioni2', 'Escape', ['frm9999inizio']],
  ['frm999inizio', 'Alt+f', ['frmuno']],
  ['frm9999moltiplicazioni', 'Alt+F', ['frm9999inizio']],
  ['frm999addizioni', 'Alt+c', ['frm999addizioni', 'frm999sottrazioni'], 'lblmessaggio', 'Sbagliato! Ripeti'],
  ['frm9999divisioni', 'Alt+c', ['frm9999divisioni'], 'lblmessaggio', 'Sbagliato! Ripeti'],
  ['frm999divisioni', 'Alt+p', ['frm999divisioni', 'frm999punteggio']],
  ['frm999punteggio', 'Alt+c', ['frm999addizioni', 'frm999divisioni', 'frm999moltiplicazioni', 'frm999punteggio', 'frm999sottrazioni'], 'lblrisg', '0'],
  ['frm999addizioni', 'Alt+z', ['frm999addizioni', 'frm999sottrazioni'], 'lblmessaggio', ''],
  // Qt presses no button on Alt+Shift+letter, nor does the page.
  ['frm999addizioni', 'Alt+Shift+C', ['frm999addizioni', 'frm999sottrazioni'], 'lblmessaggio', ''],
  ['frm999punteggio', 'Alt+Shift+C', ['frm999addizioni', 'frm999punteggio', 'frm999sottrazioni']],
  ['frm999inizio', 'Enter', ['frmuno']],
  ['frmuno', 'Space', ['frm999inizio']],
];

for (const [window, keys, after, label, text] of cases) {
  test(`${keys} in ${window}`, async () => {
    const page = await openProgram(shared);
    await openWindow(page, window);
    await page.keyboard.press(keys);
    assert.deepEqual(await loadedWindows(page), after);
    if (label) assert.equal(await ctl(page, after.includes(window) ? window : after[0], label).textContent(), text);
  });
}
