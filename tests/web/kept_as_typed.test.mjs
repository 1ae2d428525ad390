// What a pupil types or pastes stays in the cell exactly as it is, and all of it is judged: the
// page writes a cell only where the core changed its text, a paste WebKit would cut is taken
// whole, and Tab is read however the engine names it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, focusedName, openProgram, openWindow, rightAnswer, useBrowser } from './support/program.mjs';

const shared = useBrowser();
const window = 'frm9999addizioni';

/** Puts `text` into a cell as the browser does after a paste: the value, then its input event. */
const putInto = (cell, text) => cell.evaluate((el, value) => {
  el.focus();
  el.value = value;
  el.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertFromPaste' }));
}, text);

// Texts made from the right result, whether the core judges them right: a lone surrogate is one
// character the core does not read as a digit, and takes none of the digits next to it.
const texts = [
  ['a high surrogate after the result', (sum) => `${sum}\uD800`, true],
  ['lone surrogates round the result', (sum) => `\uDFFF${sum}\uD83D`, false],
  ['a whole pair after the result', (sum) => `${sum} \uD83D\uDE00`, true],
  ['a NUL inside the result', (sum) => `${String(sum).slice(0, 1)}\u0000${String(sum).slice(1)}`, false],
];

for (const [what, make, right] of texts) {
  test(`${what} stays in the cell as typed and is judged ${right ? 'right' : 'wrong'}`, async () => {
    const page = await openProgram(shared);
    await openWindow(page, window);
    const typed = make((await rightAnswer(page, window)).result);
    const cell = ctl(page, window, 'txturis');
    await putInto(cell, typed);
    const kept = [await cell.inputValue()];
    // An ordinary event elsewhere: the focus moves to another cell.
    await ctl(page, window, 'txtdaris').focus();
    kept.push(await cell.inputValue());
    assert.deepEqual(kept.map((text) => [...text].map((c) => c.codePointAt(0))), [typed, typed].map((text) => [...text].map((c) => c.codePointAt(0))));
    await ctl(page, window, 'cmdconferma').click();
    assert.equal(await ctl(page, window, 'lblmessaggio').textContent(), right ? 'Complimenti! Vai avanti' : 'Sbagliato! Ripeti');
  });
}

test('the core still empties the cells it empties at a check', async () => {
  const page = await openProgram(shared);
  await openWindow(page, window);
  await putInto(ctl(page, window, 'txturis'), '5\uD800');
  await ctl(page, window, 'cmdconferma').click();
  assert.equal(await ctl(page, window, 'txturis').inputValue(), '');
});

// WebKit keeps at most 524,288 characters of a field and cuts a longer paste; Chromium does the
// same to a paste into a field with that maxlength, which stands in for it here.
test('a paste longer than WebKit keeps is judged whole and shown whole', async () => {
  const page = await openProgram(shared);
  await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
  await openWindow(page, window);
  const { result } = await rightAnswer(page, window);
  const pasted = `${'0'.repeat(600_000)}${result}`;
  const cell = ctl(page, window, 'txturis');
  await cell.evaluate((el) => { el.maxLength = 524288; });
  await page.evaluate((text) => navigator.clipboard.writeText(text), pasted);
  await cell.click();
  await page.keyboard.type('1');
  await page.keyboard.press('Home');
  await page.keyboard.press('Control+V');
  assert.equal(await cell.evaluate((el) => [el.value.length, el.selectionStart].join()), `${pasted.length + 1},${pasted.length}`);
  await page.keyboard.press('Alt+C');
  assert.equal(await ctl(page, window, 'lblmessaggio').textContent(), 'Sbagliato! Ripeti');
  await page.evaluate((text) => navigator.clipboard.writeText(text), pasted);
  await cell.click();
  await page.keyboard.press('Control+V');
  await page.keyboard.press('Alt+C');
  assert.equal(await ctl(page, window, 'lblmessaggio').textContent(), 'Complimenti! Vai avanti');
});

// Shift+Tab as the engines report it: WebKitGTK names the key "Unidentified" and only its code says Tab.
const tabs = [
  ['Tab, as most engines name it', { key: 'Tab', code: 'Tab' }],
  ['a key WebKitGTK calls Unidentified, with code Tab', { key: 'Unidentified', code: 'Tab' }],
];

for (const [what, names] of tabs) {
  test(`Shift+Tab reported as ${what} walks back`, async () => {
    const page = await openProgram(shared);
    await openWindow(page, window);
    const start = await focusedName(page);
    await page.keyboard.press('Shift+Tab');
    const expected = await focusedName(page);
    await ctl(page, window, start).focus();
    await page.evaluate((init) => document.activeElement.dispatchEvent(new KeyboardEvent('keydown',
      { ...init, shiftKey: true, bubbles: true, cancelable: true })), names);
    assert.notEqual(expected, start);
    assert.equal(await focusedName(page), expected);
  });
}
