// The feedback message goes blank 3000 ms after a check; a later check starts the 3000 ms again,
// so its message also stays the full 3000 ms. Blank, the message keeps its colour.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, openWindow, useBrowser } from './support/program.mjs';

const shared = useBrowser();

// Milliseconds to let pass, whether a check follows, and the message shown afterwards.
const steps = [[0, true, 'Sbagliato! Ripeti'], [2999, false, 'Sbagliato! Ripeti'], [1, false, ''],
  [1000, true, 'Sbagliato! Ripeti'], [2500, false, 'Sbagliato! Ripeti'], [500, false, '']];

test('the message is blanked by the window\'s timer', async () => {
  const page = await openProgram(shared, { clock: true });
  await openWindow(page, 'frm999divisioni');
  await page.clock.pauseAt(new Date('2026-01-01T09:00:00'));
  const message = ctl(page, 'frm999divisioni', 'lblmessaggio');
  for (const [ms, check, shown] of steps) {
    await page.clock.runFor(ms);
    if (check) await ctl(page, 'frm999divisioni', 'Command1').click();
    assert.equal(await message.textContent(), shown);
  }
  assert.equal(await message.evaluate((el) => getComputedStyle(el).color), 'rgb(255, 0, 0)');
});
