// The nine exercise windows at both levels, played with mouse and keyboard: wrong and right
// answers, the counters, the marker, the score window and its grade, and the way back.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickAll, ctl, focusedName, openProgram, openWindow, rightAnswer, useBrowser, ways, win } from './support/program.mjs';

const shared = useBrowser();

// Window, check button, focus after a right and after a wrong answer, score-request code, the
// cell of the last remainder, the answers given ('r' right, 'w' wrong) and the grade they earn.
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

for (const [name, check, rightFocus, wrongFocus, code, remainderCell, answers, grade] of exercises) {
  test(`${name}: ${answers}, then the score`, async () => {
    const page = await openProgram(shared);
    await openWindow(page, name);
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
      const rights = answers.slice(0, i + 1).split('r').length - 1;
      assert.deepEqual([await value('txtrisg'), await value('txtriss'), await value('txttot')], [rights, i + 1 - rights, i + 1].map(String));
    }
    const operation = await text('lbloper');
    const [score, menu] = name.startsWith('frm9999') ? ['frm9999punteggio', 'frm9999inizio'] : ['frm999punteggio', 'frm999inizio'];
    await ctl(page, name, 'cmdpunteggio').click();
    assert.deepEqual([await win(page, name).isHidden(), await value('txtc')], [true, code]);
    await ctl(page, score, 'cmdcalcola').click();
    const rights = answers.split('r').length - 1;
    assert.deepEqual(await Promise.all(['lblrisg', 'lblriss', 'lblvoto'].map((c) => ctl(page, score, c).textContent())),
      [String(rights), String(answers.length - rights), grade]);
    assert.equal(await value('txtc'), '0');
    await ctl(page, score, 'cmdok').click();
    assert.deepEqual([await win(page, menu).isVisible(), await win(page, score).count()], [true, 0]);
    // Back through the menu, the hidden window shows as it was left.
    await clickAll(page, ways[name].slice(ways[menu].length));
    assert.deepEqual([await win(page, name).isVisible(), await text('lbloper'), await value('txttot')], [true, operation, String(answers.length)]);
  });
}
