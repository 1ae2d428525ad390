// axe-core on every window as it comes in front, with its messages showing, and on the page left
// when the program ends. Nothing may be found but the colour pairs that the windows' own tables
// give, exactly those listed in support/contrast_pairs.mjs, with the ratios that axe measures.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { clickAll, ctl, everyWindowTour, named, openProgram, readLayouts, rightAnswer, useBrowser } from './support/program.mjs';
import { knownContrastPairs } from './support/contrast_pairs.mjs';

const shared = useBrowser();
const axeSource = readFileSync(new URL('../../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');

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
  // Every window, each exercise window checked once wrong (its red message) and once right (blue).
  const checked = new Set();
  await look();
  for (const step of everyWindowTour(layouts)) {
    await clickAll(page, [step]);
    await look();
    const front = await page.evaluate(() => document.querySelector('[role="dialog"].active')?.dataset.name ?? '');
    if (!layouts.get(front)?.scoreCode || checked.has(front)) continue;
    checked.add(front);
    for (const offBy of [1, 0]) {
      await ctl(page, front, 'txturis').fill(String((await rightAnswer(page, front)).result + offBy));
      await ctl(page, front, layouts.get(front).checkButton).click();
      await look();
    }
  }
  assert.equal(checked.size, [...layouts.values()].filter((layout) => layout.scoreCode).length);
  await page.keyboard.press('Escape');
  await page.getByRole('button', { name: 'Ricomincia' }).waitFor();
  await look();

  assert.deepEqual([...others], []);
  const hex = (rgb) => `#${rgb.map((c) => c.toString(16).padStart(2, '0')).join('')}`;
  for (const [window, , , background] of pairs.values()) {
    assert.equal(background, hex(layouts.get(window).background), `${window}: a pair on the page's own colours`);
  }
  const order = (a, b) => a.join(' ').localeCompare(b.join(' '));
  const known = knownContrastPairs.map(([unit, level, ...pair]) => [named(layouts, unit, level), ...pair]);
  assert.deepEqual([...pairs.values()].sort(order), known.sort(order));
});
