// The close box, and the key it names, close its window without its buttons' logic; the program
// ends when no window is shown any more, or by its exit button or Esc, and then offers to start
// again. The browser's own
// ways off the page lose no lesson: while an exercise window is loaded, Back stays on the page and
// closes nothing, however often, and a reload asks first; without one, both leave.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickAll, ctl, loadedWindows, openProgram, openWindow, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();
const closeBox = (window) => (page) => win(page, window).getByRole('button', { name: 'Chiudi' }).click();
// The key that the close box names closes the front window as the box does.
const closeKey = (window) => async (page) => page.keyboard.press(await win(page, window).getByRole('button', { name: 'Chiudi' })
  .getAttribute('aria-keyshortcuts'));

// The windows opened, the one closed in front, and the windows loaded afterwards.
const closings = [
  [['frm9999scelta'], 'frm9999scelta', ['frm9999inizio']],
  // The exercise window does not open its menu; the subtraction loaded by the marker reset stays hidden.
  [['frm9999scelta', 'frm9999inizio.cmdadd'], 'frm9999addizioni', ['frm9999scelta', 'frm9999sottrazioni']],
];
const endings = [
  ['the exit button', (page) => ctl(page, 'frmuno', 'cmdesci').click()],
  ['Esc', (page) => page.keyboard.press('Escape')],
  ['the close box of the last window shown', closeBox('frmuno')],
  ['the close key in the last window shown', closeKey('frmuno')],
];

for (const [[window, ...clicks], closed, after] of closings) {
  for (const [way, close] of [['close box', closeBox], ['close key', closeKey]]) {
    test(`${way}: ${after}`, async () => {
      const page = await openProgram(shared);
      await openWindow(page, window);
      await clickAll(page, clicks);
      await close(closed)(page);
      assert.deepEqual(await loadedWindows(page), after);
    });
  }
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

// The window opened, the browser's way off the page, and whether the page stays.
const leavings = [
  ['frm999addizioni', 'Back', true],
  // The addition is only hidden behind its score, with its counts.
  ['frm999punteggio', 'Back', true],
  ['frm999addizioni', 'a reload', true],
  ['frm9999scelta', 'Back', false],
  ['frm9999scelta', 'a reload', false],
];

// What the pupil has: the windows loaded, those shown, and the addition's count of answers.
const lesson = async (page) => [await loadedWindows(page), await page.locator('[role="dialog"]:visible').evaluateAll((all) => all.map((w) => w.dataset.name)),
  await ctl(page, 'frm999addizioni', 'txttot').count() && await ctl(page, 'frm999addizioni', 'txttot').inputValue()];

for (const [window, way, stays] of leavings) {
  test(`${way} from ${window}: ${stays ? 'the page stays and keeps the lesson' : 'the page is left'}`, async () => {
    const page = await openProgram(shared, { device: { viewport: { width: 1024, height: 768 } } });
    const dialogs = [];
    page.on('dialog', (dialog) => dialogs.push(dialog.type()) && dialog.dismiss());
    await openWindow(page, window);
    if (window === 'frm999addizioni') await ctl(page, window, 'cmdconferma').click();
    const had = await lesson(page);
    if (way === 'Back') {
      const cdp = await page.context().newCDPSession(page);
      for (let time = 0; time < (stays ? 2 : 1); ++time) {
        await page.goBack();
        // Staying, the browser stands on its newest entry again, so the next Back is held alike.
        for (let tries = 0; stays && tries < 200; ++tries) {
          const { currentIndex, entries } = await cdp.send('Page.getNavigationHistory');
          if (currentIndex === entries.length - 1) break;
          await new Promise((resolve) => setTimeout(resolve, 5));
        }
      }
      assert.equal(page.url(), stays ? shared.server.url : 'about:blank');
    } else if (stays) {
      const asked = page.waitForEvent('dialog');
      await page.evaluate(() => location.reload());
      await asked;
    } else {
      await Promise.all([page.waitForEvent('load'), page.evaluate(() => location.reload())]);
      await win(page, 'frmuno').waitFor();
    }
    if (stays) assert.deepEqual(await lesson(page), had);
    else if (way !== 'Back') assert.deepEqual(await loadedWindows(page), ['frmuno']);
    assert.deepEqual(dialogs, stays && way !== 'Back' ? ['beforeunload'] : []);
    await page.context().close();
  });
}
