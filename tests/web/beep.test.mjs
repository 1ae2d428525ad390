// A wrong answer beeps and a right one does not; the sound is ready before the first check, so
// that the check's message holds up nothing the pupil does next.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, openWindow, rightAnswer, useBrowser } from './support/program.mjs';

const shared = useBrowser();

test('a wrong answer beeps once, a right one not at all, with the sound made ready ahead', async () => {
  const page = await openProgram(shared, { device: { viewport: { width: 1024, height: 768 } } });
  // The page's sound, in order: the audio context made, each tone started, each check.
  await page.evaluate(() => {
    const heard = Object.assign(globalThis, { heard: [] }).heard;
    globalThis.AudioContext = class extends AudioContext {
      constructor() { super(); heard.push('made'); }
      createOscillator() {
        const oscillator = super.createOscillator();
        const start = oscillator.start.bind(oscillator);
        return Object.assign(oscillator, { start: (at) => (heard.push('tone'), start(at)) });
      }
    };
    document.addEventListener('click', (event) => event.target.closest?.('[data-name="cmdconferma"]') && heard.push('check'), true);
  });
  const name = 'frm999addizioni';
  await openWindow(page, name);
  await page.waitForFunction(() => globalThis.heard.includes('made'), null, { timeout: 5000 });
  const { result } = await rightAnswer(page, name);
  for (const answer of [result + 1, result]) {
    await ctl(page, name, 'txturis').fill(String(answer));
    await ctl(page, name, 'cmdconferma').click();
    // The tone follows the frame that shows the message.
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve))));
  }
  assert.deepEqual(await page.evaluate(() => globalThis.heard), ['made', 'check', 'tone', 'check']);
});
