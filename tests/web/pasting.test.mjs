// A cell takes whatever is pasted, of any length, and the core's reading judges it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, openWindow, rightAnswer, useBrowser } from './support/program.mjs';

const shared = useBrowser();

// What is pasted into the units cell of the result row, made from the sum, and the message.
const cases = [
  ['blanks and a trailing letter', (sum) => ` ${sum} x`, 'Complimenti! Vai avanti'],
  ['two million leading zeros', (sum) => `${'0'.repeat(2_000_000)}${sum}`, 'Complimenti! Vai avanti'],
  ['a leading letter', (sum) => `x${sum}`, 'Sbagliato! Ripeti'],
  ['a decimal comma', (sum) => `${sum},5`, 'Complimenti! Vai avanti'],
  ['a decimal point', (sum) => `${sum}.5`, 'Sbagliato! Ripeti'],
];

for (const [what, text, message] of cases) {
  test(`pasting ${what}`, async () => {
    const page = await openProgram(shared);
    await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
    await openWindow(page, 'frm9999addizioni');
    const { result } = await rightAnswer(page, 'frm9999addizioni');
    await page.evaluate((pasted) => navigator.clipboard.writeText(pasted), text(result));
    await ctl(page, 'frm9999addizioni', 'txturis').click();
    await page.keyboard.press('Control+V');
    await ctl(page, 'frm9999addizioni', 'cmdconferma').click();
    assert.equal(await ctl(page, 'frm9999addizioni', 'lblmessaggio').textContent(), message);
  });
}
