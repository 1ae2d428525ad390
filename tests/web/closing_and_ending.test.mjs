// The close box, and the key it names, close its window without its buttons' logic; the program
// ends when no window is shown any more, or by its exit button or Esc, and then offers to start
// again. The browser's own ways off the page lose no lesson: while an exercise window is loaded,
// Back stays on the page and closes nothing, however often, and a reload asks first; without one,
// both leave.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickAll, ctl, loadedWindows, openProgram, openWindow, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();
const closeBox = (window) => Object.assign((page) => win(page, window).getByRole('button', { name: 'Chiudi' }).click(), { way: 'close box' });
// The key that the close box names closes the front window as the box does.
const closeKey = (window) => Object.assign(async (page) => page.keyboard.press(await win(page, window)
  .getByRole('button', { name: 'Chiudi' }).getAttribute('aria-keyshortcuts')), { way: 'close key' });

// The windows opened, how one is closed, and the windows loaded afterwards.
const closings = [
  [['frm9999scelta'], closeBox('frm9999scelta'), ['frm9999inizio']],
  [['frm9999scelta'], closeKey('frm9999scelta'), ['frm9999inizio']],
  // The exercise window does not open its menu; the subtraction loaded by the marker reset stays hidden.
  [['frm9999scelta', 'frm9999inizio.cmdadd'], closeBox('frm9999addizioni'), ['frm9999scelta', 'frm9999sottrazioni']],
  [['frm9999scelta', 'frm9999inizio.cmdadd'], closeKey('frm9999addizioni'), ['frm9999scelta', 'frm9999sottrazioni']],
];
const endings = [
  ['the exit button', (page) => ctl(page, 'frmuno', 'cmdesci').click()],
  ['Esc', (page) => page.keyboard.press('Escape')],
  ['the close box of the last window shown', closeBox('frmuno')],
  ['the close key in the last window shown', closeKey('frmuno')],
];

for (const [[window, ...clicks], close, after] of closings) {
  test(`${close.way}: ${after}`, async () => {
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
    await openWindow(page, 'frm999addizioni');
    await clickAll(page, ['frm999addizioni.cmdfine', 'frm999inizio.cmdesci']);
    await end(page);
    assert.deepEqual(await loadedWindows(page), []);
    assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Ricomincia');
    await page.keyboard.press('Enter');
    await win(page, 'frmuno').waitFor();
    assert.deepEqual(await loadedWindows(page), ['frmuno']);
  });
}

// The window opened, the browser's way off the page, and whether the page stays with all it had.
const leavings = [['frm999addizioni', 'Back', true], ['frm999punteggio', 'Back', true], ['frm999addizioni', 'reload', true],
  ['frm9999scelta', 'Back', false], ['frm9999scelta', 'reload', false]];
// Each window loaded, whether it is hidden, and its count of answers.
const lesson = (page) => page.locator('[role="dialog"]').evaluateAll((all) => all.map((w) => [w.dataset.name, w.hidden, w.querySelector('[data-name="txttot"]')?.value]));

for (const [window, way, stays] of leavings) {
  test(`${way} from ${window}: the page ${stays ? 'stays and keeps the lesson' : 'is left'}`, async () => {
    const page = await openProgram(shared, { device: { viewport: { width: 1024, height: 768 } } });
    const asked = [];
    page.on('dialog', (dialog) => asked.push(dialog.type()) && dialog.dismiss());
    await openWindow(page, window);
    if (window === 'frm999addizioni') await ctl(page, window, 'cmdconferma').click();
    const had = await lesson(page);
    // Back twice: the page that stays stands on the browser's newest entry again before the second.
    for (let time = 0; way === 'Back' && time < (stays ? 2 : 1); ++time) {
      await page.goBack();
      if (stays) await page.waitForFunction(() => navigation.currentEntry.index === navigation.entries().length - 1);
    }
    if (way === 'reload') await Promise.all([page.waitForEvent(stays ? 'dialog' : 'load'), page.evaluate(() => location.reload())]);
    if (way === 'reload' && !stays) await win(page, 'frmuno').waitFor();
    assert.deepEqual([page.url(), asked], [way === 'Back' && !stays ? 'about:blank' : shared.server.url, stays && way === 'reload' ? ['beforeunload'] : []]);
    if (way === 'reload' || stays) assert.deepEqual(await lesson(page), stays ? had : [['frmuno', false, undefined]]);
    await page.context().close();
  });
}
