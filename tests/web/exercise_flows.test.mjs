// The nine exercise windows at both levels, played with mouse and keyboard: wrong and right
// answers, the counters, the marker, the score window and its grade, and the way back; and what a
// screen reader hears of it: every message, the same again included, a new operation after the
// praise, each count with its label and the grade.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickAll, ctl, focusedName, named, openProgram, openWindow, readLayouts, rightAnswer, useBrowser, wayTo, win } from './support/program.mjs';

const shared = useBrowser();

// Each exercise window by its unit and level: the focus after a right and after a wrong answer,
// the score-request code, the cell of the last remainder, the answers given ('r' right, 'w'
// wrong) and the grade they earn.
const exercises = [
  ['Addition', 999, 'txth1', 'txturis', '1', null, 'wr', 'Non ci siamo. Esercitati di più'],
  ['Subtraction', 999, 'txth1', 'txturis', '2', null, 'rr', 'Super!!!!'],
  ['Multiplication', 999, 'txth1', 'txturis', '3', null, 'rwr', 'Abbastanza bene, ma puoi fare di meglio.'],
  ['Division', 999, 'txth1', 'txthris', '4', 'txtparu3', 'wr', 'Non ci siamo. Esercitati di più'],
  ['Addition', 9999, 'txtk1', 'txturis', '1', null, 'rrrw', 'Bravo!!'],
  ['Subtraction', 9999, 'txtk1', 'txturis', '2', null, 'ww', 'Non ci siamo. Esercitati di più'],
  ['Multiplication', 9999, 'txtk1', 'txturis', '3', null, 'r', 'Super!!!!'],
  ['Multiplication2', 9999, 'txth1', 'txtparu1', '5', null, 'wr', 'Non ci siamo. Esercitati di più'],
  ['Division', 9999, 'txtk1', 'txtkris', '4', 'txtparu4', 'rw', 'Non ci siamo. Esercitati di più'],
];

// What the page has put into a live region for a screen reader since last asked.
const heard = (page) => page.evaluate(() => {
  if (!globalThis.heard) {
    globalThis.heard = [];
    new MutationObserver((records) => globalThis.heard.push(...records.flatMap((record) => [...record.addedNodes])
      .filter((node) => node.parentElement?.closest('[aria-live]:not([aria-live="off"]), [role="alert"], [role="status"]'))
      .map((node) => node.textContent))).observe(document.body, { subtree: true, childList: true });
  }
  return globalThis.heard.splice(0);
});

test('the table holds every exercise window once', async () => {
  const layouts = await readLayouts(await openProgram(shared));
  const names = exercises.map(([unit, level]) => named(layouts, unit, level));
  assert.deepEqual(names.sort(), [...layouts.values()].filter((w) => w.scoreCode).map((w) => w.name).sort());
});

for (const [unit, level, rightFocus, wrongFocus, code, remainderCell, answers, grade] of exercises) {
  test(`${unit} ${level}: ${answers}, then the score`, async () => {
    const page = await openProgram(shared);
    const layouts = await readLayouts(page);
    const name = named(layouts, unit, level);
    const check = layouts.get(name).checkButton;
    await openWindow(page, name);
    await heard(page);
    const text = (control) => ctl(page, name, control).textContent();
    const value = (control) => ctl(page, name, control).inputValue();
    const type = async (cell, typed) => (await ctl(page, name, cell).click(), page.keyboard.type(String(typed)));
    for (const [i, kind] of [...answers].entries()) {
      const operation = await text('lbloper');
      const { result, remainder } = await rightAnswer(page, name);
      await type('txturis', kind === 'r' ? result : result + 1);
      if (remainderCell) await type(remainderCell, remainder);
      await ctl(page, name, check).click();
      assert.deepEqual([await text('lblmessaggio'), await ctl(page, name, 'lblmessaggio').evaluate((el) => getComputedStyle(el).color)],
        kind === 'r' ? ['Complimenti! Vai avanti', 'rgb(0, 0, 255)'] : ['Sbagliato! Ripeti', 'rgb(255, 0, 0)']);
      assert.equal(await focusedName(page), kind === 'r' ? rightFocus : wrongFocus);
      assert.equal(await value('txturis'), '');
      if (kind === 'w') assert.equal(await text('lbloper'), operation);
      assert.deepEqual(await heard(page), kind === 'r' ? ['Complimenti! Vai avanti', await text('lbloper')] : ['Sbagliato! Ripeti']);
      const rights = answers.slice(0, i + 1).split('r').length - 1;
      assert.deepEqual([await value('txtrisg'), await value('txtriss'), await value('txttot')], [rights, i + 1 - rights, i + 1].map(String));
    }
    const operation = await text('lbloper');
    const [score, menu] = [named(layouts, 'Score', level), named(layouts, 'LevelMenu', level)];
    await ctl(page, name, 'cmdpunteggio').click();
    assert.deepEqual([await win(page, name).isHidden(), await value('txtc')], [true, code]);
    await heard(page);
    await ctl(page, score, 'cmdcalcola').click();
    const rights = answers.split('r').length - 1;
    assert.deepEqual(await Promise.all(['lblrisg', 'lblriss', 'lblvoto'].map((c) => ctl(page, score, c).textContent())),
      [String(rights), String(answers.length - rights), grade]);
    // Each count is read with the label before it, both when announced and as the window reads.
    const caption = (control) => layouts.get(score).controls.find((c) => c.name === control).caption;
    const counts = [`${caption('lblrisp1')} ${rights}`, `${caption('lblrisp2')} ${answers.length - rights}`];
    assert.deepEqual(await heard(page), [...counts, grade]);
    const read = await win(page, score).ariaSnapshot();
    assert.ok(read.includes(`text: "${[...counts, grade].join(' ')}"`), read);
    assert.equal(await value('txtc'), '0');
    await ctl(page, score, 'cmdok').click();
    assert.deepEqual([await win(page, menu).isVisible(), await win(page, score).count()], [true, 0]);
    // Back through the menu, the hidden window shows as it was left.
    await clickAll(page, wayTo(layouts, name).slice(wayTo(layouts, menu).length));
    assert.deepEqual([await win(page, name).isVisible(), await text('lbloper'), await value('txttot')], [true, operation, String(answers.length)]);
  });
}
