// A wrong answer beeps and a right one does not; the sound is ready before the first check, so
// that the check's message holds up nothing the pupil does next.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, openWindow, rightAnswer, useBrowser } from './support/program.mjs';

const shared = useBrowser();

test('a wrong answer beeps once, a right one not at all, with the sound made ready ahead', async () => {
  const page = await openProgram(shared, { device: { viewport: { width: 1024, height: 768 } } });
  await page.evaluate(() => {
    const heard = Object.assign(globalThis, { heard: [] }).heard;
    globalThis.AudioContext = class extends AudioContext {
      constructor() { super(); heard.push('made'); }
      createOscillator() { heard.push('tone'); return super.createOscillator(); }
    };
  });
  const name = 'frm999addizioni';
  await openWindow(page, name);
  await page.waitForFunction(() => globalThis.heard.includes('made'), null, { timeout: 5000 });
  const { result } = await rightAnswer(page, name);
  const heardAfter = async (answer) => {
    await ctl(page, name, 'txturis').fill(String(answer));
    await ctl(page, name, 'cmdconferma').click();
    // The tone follows the frame that shows the message, in the page's next idle moment.
    return page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestIdleCallback(() => resolve(globalThis.heard.join())))));
  };
  assert.deepEqual([await heardAfter(result + 1), await heardAfter(result)], ['made,tone', 'made,tone']);
});
