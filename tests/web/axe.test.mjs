// axe-core on every window as it comes in front, with its messages showing, and on the page left
// when the program ends. Nothing may be found but the colour pairs that the windows' own tables
// give, exactly those listed in support/contrast_pairs.mjs, with the ratios that axe measures.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { clickAll, ctl, openProgram, readLayouts, rightAnswer, useBrowser } from './support/program.mjs';
import { knownContrastPairs } from './support/contrast_pairs.mjs';

const shared = useBrowser();
const axeSource = readFileSync(new URL('../../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');

// Every window, each exercise window checked once wrong (its red message) and once right (blue).
const tour = [
  'frmuno.cmd999', 'frm999inizio.cmdadd', '!frm999addizioni', 'frm999addizioni.cmdpunteggio', 'frm999punteggio.cmdcalcola',
  'frm999punteggio.cmdok', 'frm999inizio.cmdsott', '!frm999sottrazioni', 'frm999sottrazioni.cmdfine', 'frm999inizio.cmdmolt',
  '!frm999moltiplicazioni', 'frm999moltiplicazioni.cmdfine', 'frm999inizio.cmddiv', '!frm999divisioni', 'frm999divisioni.cmdfine',
  'frm999inizio.cmdesci', 'frmuno.cmd9999', 'frm9999inizio.cmdadd', '!frm9999addizioni', 'frm9999addizioni.cmdpunteggio',
  'frm9999punteggio.cmdcalcola', 'frm9999punteggio.cmdok', 'frm9999inizio.cmdsott', '!frm9999sottrazioni',
  'frm9999sottrazioni.cmdfine', 'frm9999inizio.cmdmolt', 'frm9999scelta.cmd1', '!frm9999moltiplicazioni',
  'frm9999moltiplicazioni.cmdfine', 'frm9999inizio.cmdmolt', 'frm9999scelta.cmd2', '!frm9999moltiplicazioni2',
  'frm9999moltiplicazioni2.cmdfine', 'frm9999inizio.cmddiv', '!frm9999divisioni', 'frm9999divisioni.cmdfine',
  'frm9999inizio.cmdesci',
];

// Runs in the page: axe's findings, colour pairs apart, each with its window and control.
async function audit() {
  const { violations } = await globalThis.axe.run(document);
  return violations.flatMap((violation) => violation.nodes.map((node) => {
    const element = document.querySelector(node.target.join(' '));
    const where = [element?.closest('[role="dialog"]')?.dataset.name ?? '', element?.dataset.name ?? node.target.join(' ')];
    const data = node.any[0]?.data;
    return violation.id === 'color-contrast'
      ? { pair: [...where, data.fgColor, data.bgColor, data.contrastRatio, Number(data.expectedContrastRatio.split(':')[0])] }
      : { other: `${violation.id} ${where.join('.')}` };
  }));
}

test('axe finds nothing on any window but the colour pairs its table gives', async () => {
  const page = await openProgram(shared);
  const layouts = await readLayouts(page);
  await page.evaluate(axeSource);
  const pairs = new Map();
  const others = new Set();
  const look = async () => {
    for (const { pair, other } of await page.evaluate(audit)) {
      if (other) others.add(other);
      else pairs.set(pair.slice(0, 4).join(' '), pair);
    }
  };
  await look();
  for (const step of tour) {
    if (!step.startsWith('!')) {
      await clickAll(page, [step]);
      await look();
      continue;
    }
    const name = step.slice(1);
    for (const offBy of [1, 0]) {
      await ctl(page, name, 'txturis').fill(String((await rightAnswer(page, name)).result + offBy));
      await ctl(page, name, layouts.get(name).checkButton).click();
      await look();
    }
  }
  await page.keyboard.press('Escape');
  await page.getByRole('button', { name: 'Ricomincia' }).waitFor();
  await look();

  assert.deepEqual([...others], []);
  const hex = (rgb) => `#${rgb.map((c) => c.toString(16).padStart(2, '0')).join('')}`;
  for (const [window, , , background] of pairs.values()) {
    assert.equal(background, hex(layouts.get(window).background), `${window}: a pair on the page's own colours`);
  }
  const order = (a, b) => a.join(' ').localeCompare(b.join(' '));
  assert.deepEqual([...pairs.values()].sort(order), [...knownContrastPairs].sort(order));
});
