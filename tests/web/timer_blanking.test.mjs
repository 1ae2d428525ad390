// The feedback message goes blank 3000 ms after a check; a later check starts the 3000 ms again,
// so its message also stays the full 3000 ms.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, openWindow, useBrowser } from './support/program.mjs';

const shared = useBrowser();

test('the message is blanked by the window\'s timer', async () => {
  const page = await openProgram(shared, { clock: true });
  await openWindow(page, 'frm999divisioni');
  const message = ctl(page, 'frm999divisioni', 'lblmessaggio');
  const check = ctl(page, 'frm999divisioni', 'Command1');
  // Milliseconds to let pass, then a check or nothing, and the message shown afterwards.
  const steps = [
    [0, 'check', 'Sbagliato! Ripeti'],
    [2999, null, 'Sbagliato! Ripeti'],
    [1, null, ''],
    [1000, 'check', 'Sbagliato! Ripeti'],
    [2500, null, 'Sbagliato! Ripeti'],
    [500, null, ''],
  ];
  await page.clock.pauseAt(new Date('2026-01-01T09:00:00'));
  for (const [ms, action, shown] of steps) {
    if (ms) await page.clock.runFor(ms);
    if (action) await check.click();
    assert.equal(await message.textContent(), shown, `after ${ms} ms`);
  }
  // Blank, the message keeps its colour: red after a wrong answer.
  assert.equal(await message.evaluate((el) => getComputedStyle(el).color), 'rgb(255, 0, 0)');
});
