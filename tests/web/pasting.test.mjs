// A cell takes whatever is pasted, of any length, and the core's reading judges it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, openWindow, rightAnswer, useBrowser } from './support/program.mjs';

const shared = useBrowser();

// What is pasted into the units cell of the result row, made from the sum, and whether it is right.
const cases = [
  [(sum) => ` ${sum} x`, true],
  [(sum) => `${'0'.repeat(1_300_000)}${sum}`, true],
  [(sum) => `x${sum}`, false],
  [(sum) => `${sum},5`, true],
  [(sum) => `${sum}.5`, false],
];

for (const [text, right] of cases) {
  test(`pasting ${text('S').slice(-8)}`, async () => {
    const page = await openProgram(shared);
    await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
    await openWindow(page, 'frm9999addizioni');
    const { result } = await rightAnswer(page, 'frm9999addizioni');
    await page.evaluate((pasted) => navigator.clipboard.writeText(pasted), text(result));
    await ctl(page, 'frm9999addizioni', 'txturis').click();
    await page.keyboard.press('Control+V');
    await page.keyboard.press('Alt+C');
    assert.equal(await ctl(page, 'frm9999addizioni', 'lblmessaggio').textContent(), right ? 'Complimenti! Vai avanti' : 'Sbagliato! Ripeti');
  });
}
