// The nine exercise windows at both levels, played with mouse and keyboard: wrong and right
// answers, the counters, the marker, the score window and its grade, and the way back; and what a
// screen reader hears of it: every message, the same again included, a new operation after the
// praise, each count with its label and the grade.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickAll, ctl, focusedName, openProgram, openWindow, readLayouts, rightAnswer, useBrowser, ways, win } from './support/program.mjs';

const shared = useBrowser();

// Window, check button, focus after a right and after a wrong answer, score-request code, the
// cell of the last remainder, the answers given ('r' right, 'w' wrong) and the grade they earn.
const exercises = [
  ['frm999addizioni', 'cmdconferma', 'txth1', 'txturis', '1', null, 'wr', 'Non ci siamo. Esercitati di più'],
  ['frm999sottrazioni', 'cmdconferma', 'txth1', 'txturis', '2', null, 'rr', 'Super!!!!'],
  ['frm999moltiplicazioni', 'cmdconferma', 'txth1', 'txturis', '3', null, 'rwr', 'Abbastanza bene, ma puoi fare di meglio.'],
  ['frm999divisioni', 'Command1', 'txth1', 'txthris', '4', 'txtparu3', 'wr', 'Non ci siamo. Esercitati di più'],
  ['frm9999addizioni', 'cmdconferma', 'txtk1', 'txturis', '1', null, 'rrrw', 'Bravo!!'],
  ['frm9999sottrazioni', 'cmdconferma', 'txtk1', 'txturis', '2', null, 'ww', 'Non ci siamo. Esercitati di più'],
  ['frm9999moltiplicazioni', 'cmdconferma', 'txtk1', 'txturis', '3', null, 'r', 'Super!!!!'],
  ['frm9999moltiplicazioni2', 'cmdconferma', 'txth1', 'txtparu1', '5', null, 'wr', 'Non ci siamo. Esercitati di più'],
  ['frm9999divisioni', 'cmdcontrolla', 'txtk1', 'txtkris', '4', 'txtparu4', 'rw', 'Non ci siamo. Esercitati di più'],
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

for (const [name, check, rightFocus, wrongFocus, code, remainderCell, answers, grade] of exercises) {
  test(`${name}: ${answers}, then the score`, async () => {
    const page = await openProgram(shared);
    const layouts = await readLayouts(page);
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
    const [score, menu] = name.startsWith('frm9999') ? ['frm9999punteggio', 'frm9999inizio'] : ['frm999punteggio', 'frm999inizio'];
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
    await clickAll(page, ways[name].slice(ways[menu].length));
    assert.deepEqual([await win(page, name).isVisible(), await text('lbloper'), await value('txttot')], [true, operation, String(answers.length)]);
  });
}
