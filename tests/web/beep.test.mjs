// A wrong answer beeps and a right one does not; the sound is made ready before the first check,
// so that the check's message holds up nothing the pupil does next.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, openWindow, rightAnswer, useBrowser } from './support/program.mjs';

const shared = useBrowser();

// What the page does with sound, in order: the audio context made, each tone started, each check.
function listenToSound() {
  const heard = [];
  Object.assign(globalThis, { heard });
  globalThis.AudioContext = class extends AudioContext {
    constructor(...options) {
      super(...options);
      heard.push('made');
    }

    createOscillator() {
      const oscillator = super.createOscillator();
      const start = oscillator.start.bind(oscillator);
      oscillator.start = (...at) => (heard.push('tone'), start(...at));
      return oscillator;
    }
  };
  document.addEventListener('click', (event) => event.target.closest?.('[data-name="cmdconferma"]') && heard.push('check'),
    { capture: true });
}

test('a wrong answer beeps once, a right one not at all, with the sound made ready ahead', async () => {
  const page = await openProgram(shared, { device: { viewport: { width: 1024, height: 768 } } });
  await page.evaluate(listenToSound);
  const name = 'frm999addizioni';
  await openWindow(page, name);
  const heard = () => page.evaluate(() => globalThis.heard);
  await page.waitForFunction(() => globalThis.heard.includes('made'), null, { timeout: 5000 });
  const check = async (answer) => {
    await ctl(page, name, 'txturis').fill(String(answer));
    await ctl(page, name, 'cmdconferma').click();
    // The tone follows the frame that shows the message.
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve))));
  };
  const { result } = await rightAnswer(page, name);
  await check(result + 1);
  await check(result);
  assert.deepEqual(await heard(), ['made', 'check', 'tone', 'check']);
});
