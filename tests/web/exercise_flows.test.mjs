// The nine exercise windows at both levels, played with mouse and keyboard: wrong and right
// answers, the counters, the marker, the score window and its grade, and the way back.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, focusedName, openProgram, openWindow, rightAnswer, typeInto, useBrowser, ways, win } from './support/program.mjs';

const shared = useBrowser();

const WRONG = 'Sbagliato! Ripeti';
const RIGHT = 'Complimenti! Vai avanti';

// window, check button, focus after a right and after a wrong answer, score-request code,
// the cell of the last remainder, the answers given ('r' right, 'w' wrong) and the grade they earn.
const exercises = [
  ['frm999addizioni', 'cmdconferma', 'txth1', 'txturis', '1', null, 'wr', 'Non ci siamo. Esercitati di più'],
  ['frm999sottrazioni', 'cmdconferma', 'txth1', 'txturis', '2', null, 'rr', 'Super!!!!'],
  ['frm999moltiplicazioni', 'cmdconferma', 'txth1', 'txturis', '3', null, 'rwr', 'Abbastanza bene, ma puoi fare di meglio.'],
  ['frm999divisioni', 'Command1', 'txth1', 'txthris', '4', 'txtparu3', 'wr', 'Non ci siamo. Esercitati di più'],
  ['frm9999addizioni', 'cmdconferma', 'txtk1', 'txturis', '1', null, 'rrrw', 'Bravo!!'],
  ['frm9999sottrazioni', 'cmdconferma', 'txtk1', 'txturis', '2', null, 'w', 'Non ci siamo. Esercitati di più'],
  ['frm9999moltiplicazioni', 'cmdconferma', 'txtk1', 'txturis', '3', null, 'r', 'Super!!!!'],
  ['frm9999moltiplicazioni2', 'cmdconferma', 'txth1', 'txtparu1', '5', null, 'wr', 'Non ci siamo. Esercitati di più'],
  ['frm9999divisioni', 'cmdcontrolla', 'txtk1', 'txtkris', '4', 'txtparu4', 'rw', 'Non ci siamo. Esercitati di più'],
];

const value = (page, window, control) => ctl(page, window, control).inputValue();

for (const [name, check, rightFocus, wrongFocus, code, remainderCell, answers, grade] of exercises) {
  test(`${name}: ${answers}, then the score`, async () => {
    const page = await openProgram(shared);
    await openWindow(page, name);
    const message = ctl(page, name, 'lblmessaggio');
    for (const [i, kind] of [...answers].entries()) {
      const operation = await ctl(page, name, 'lbloper').textContent();
      const { result, remainder } = await rightAnswer(page, name);
      await typeInto(page, name, 'txturis', String(kind === 'r' ? result : result + 1));
      if (remainderCell) await typeInto(page, name, remainderCell, String(remainder));
      await ctl(page, name, check).click();
      assert.equal(await message.textContent(), kind === 'r' ? RIGHT : WRONG);
      assert.equal(await message.evaluate((el) => getComputedStyle(el).color), kind === 'r' ? 'rgb(0, 0, 255)' : 'rgb(255, 0, 0)');
      assert.equal(await focusedName(page), kind === 'r' ? rightFocus : wrongFocus);
      assert.equal(await value(page, name, 'txturis'), '');
      if (kind === 'w') assert.equal(await ctl(page, name, 'lbloper').textContent(), operation);
      const rights = answers.slice(0, i + 1).split('r').length - 1;
      assert.deepEqual([await value(page, name, 'txtrisg'), await value(page, name, 'txtriss'), await value(page, name, 'txttot')],
        [String(rights), String(i + 1 - rights), String(i + 1)]);
    }
    const operation = await ctl(page, name, 'lbloper').textContent();
    const score = name.startsWith('frm9999') ? 'frm9999punteggio' : 'frm999punteggio';
    const menu = name.startsWith('frm9999') ? 'frm9999inizio' : 'frm999inizio';
    await ctl(page, name, 'cmdpunteggio').click();
    assert.equal(await win(page, name).isHidden(), true);
    assert.equal(await value(page, name, 'txtc'), code);
    await ctl(page, score, 'cmdcalcola').click();
    const rights = answers.split('r').length - 1;
    assert.deepEqual(await Promise.all(['lblrisg', 'lblriss', 'lblvoto'].map((c) => ctl(page, score, c).textContent())),
      [String(rights), String(answers.length - rights), grade]);
    assert.equal(await value(page, name, 'txtc'), '0');
    await ctl(page, score, 'cmdok').click();
    await win(page, menu).waitFor();
    assert.equal(await win(page, score).count(), 0);
    // Back through the menu, the hidden window shows as it was left.
    for (const [window, control] of ways[name].slice(ways[menu].length)) await ctl(page, window, control).click();
    assert.equal(await win(page, name).isVisible(), true);
    assert.equal(await ctl(page, name, 'lbloper').textContent(), operation);
    assert.equal(await value(page, name, 'txttot'), String(answers.length));
    });
}
