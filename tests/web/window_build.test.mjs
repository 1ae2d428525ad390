// Every window is drawn from its table: the frame, the client area, and each control's place,
// colours, font, text and name, read from the page against the core's own tables.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, readLayouts, useBrowser } from './support/program.mjs';

const shared = useBrowser();

// What the page shows of one window that differs from its table, as readable lines.
function differences(layout) {
  const out = [];
  const expect = (what, got, wanted) => got !== wanted && out.push(`${what}: ${got} != ${wanted}`);
  const rgb = (c) => `rgb(${c[0]}, ${c[1]}, ${c[2]})`;
  const px = (twips) => Math.round(twips / 15);
  const families = { 'MS Sans Serif': 'Arimo', 'Comic Sans MS': '"Comic Neue"' };
  const frame = document.querySelector(`[role="dialog"][data-name="${layout.name}"]`);
  const client = frame.querySelector('[data-client]');
  expect('caption', frame.getAttribute('aria-label'), layout.caption);
  expect('width', client.offsetWidth, px(layout.clientWidth));
  expect('height', client.offsetHeight, px(layout.clientHeight));
  expect('background', getComputedStyle(client).backgroundColor, rgb(layout.background));
  // The core centres the frame on the viewport: the frame it was told of is the one drawn.
  const box = frame.getBoundingClientRect();
  expect('centre x', Math.abs(box.left + box.width / 2 - innerWidth / 2) <= 1, true);
  expect('centre y', Math.abs(box.top + box.height / 2 - innerHeight / 2) <= 1, true);
  for (const spec of layout.controls) {
    const el = client.querySelector(`[data-name="${spec.name}"]`);
    if (!el) { out.push(`${spec.name} missing`); continue; }
    const style = getComputedStyle(el);
    const [left, top, width, height] = spec.rect.map(px);
    const line = spec.kind === 'Line';
    expect(`${spec.name} place`, [el.style.left, el.style.top, el.style.width, el.style.height].join(),
      [left, top, line ? Math.max(1, width) : width, line ? Math.max(1, height) : height].map((v) => `${v}px`).join());
    if (spec.visible && !el.hidden) expect(`${spec.name} drawn at`, [el.offsetLeft, el.offsetTop].join(), [left, top].join());
    expect(`${spec.name} shown`, !el.hidden, spec.visible);
    if (spec.back) expect(`${spec.name} back`, style.backgroundColor, rgb(spec.back));
    if (line) continue;
    expect(`${spec.name} fore`, style.color, rgb(spec.fore ?? [0, 0, 0]));
    expect(`${spec.name} font`, style.fontFamily.split(',')[0], families[spec.font.family]);
    expect(`${spec.name} size`, style.fontSize, `${Math.round(spec.font.points * 4 / 3 * 100) / 100}px`);
    expect(`${spec.name} bold`, style.fontWeight === '700', spec.font.bold);
    expect(`${spec.name} tab stop`, el.tabIndex === 0, layout.tabOrder.includes(spec.name));
    const shown = spec.caption.replace(/&(.)/g, '$1');
    if (spec.kind === 'Label' && spec.caption) expect(`${spec.name} text`, el.textContent, shown);
    if (spec.kind === 'Button') {
      expect(`${spec.name} caption`, el.textContent, shown);
      expect(`${spec.name} access letter`, el.querySelector('u')?.textContent, /&(.)/.exec(spec.caption)?.[1]);
    }
    if (spec.kind === 'TextBox') {
      expect(`${spec.name} input`, `${el.tagName} ${el.type} ${el.hasAttribute('maxlength')} ${el.hasAttribute('pattern')}`, 'INPUT text false false');
    }
    if (spec.accessibleName && spec.kind !== 'Label') {
      expect(`${spec.name} name`, el.getAttribute('aria-label') ?? el.getAttribute('alt'), spec.accessibleName);
    }
  }
  return out;
}

// A tour that opens every window afresh: the clicks, each followed by the window then in front.
const tour = [
  'frmuno.cmd999', 'frm999inizio.cmdadd', 'frm999addizioni.cmdpunteggio', 'frm999punteggio.cmdcalcola',
  'frm999punteggio.cmdok', 'frm999inizio.cmdsott', 'frm999sottrazioni.cmdfine', 'frm999inizio.cmdmolt',
  'frm999moltiplicazioni.cmdfine', 'frm999inizio.cmddiv', 'frm999divisioni.cmdfine', 'frm999inizio.cmdesci',
  'frmuno.cmd9999', 'frm9999inizio.cmdadd', 'frm9999addizioni.cmdpunteggio', 'frm9999punteggio.cmdcalcola',
  'frm9999punteggio.cmdok', 'frm9999inizio.cmdsott', 'frm9999sottrazioni.cmdfine', 'frm9999inizio.cmdmolt',
  'frm9999scelta.cmd1', 'frm9999moltiplicazioni.cmdfine', 'frm9999inizio.cmdmolt', 'frm9999scelta.cmd2',
  'frm9999moltiplicazioni2.cmdfine', 'frm9999inizio.cmddiv',
];

test('every window is drawn from its table', async () => {
  const page = await openProgram(shared);
  const layouts = new Map((await readLayouts(page)).map((layout) => [layout.name, layout]));
  const seen = new Map();
  for (const click of ['', ...tour]) {
    if (click) await ctl(page, ...click.split('.')).click();
    const front = await page.evaluate(() => document.querySelector('[role="dialog"].active').dataset.name);
    if (seen.has(front)) continue;
    const layout = layouts.get(front);
    assert.equal(await page.getByRole('dialog', { name: layout.caption, exact: true }).isVisible(), true);
    seen.set(front, await page.evaluate(differences, layout));
  }
  assert.deepEqual([...seen.keys()].sort(), [...layouts.keys()].sort());
  assert.deepEqual([...seen].filter(([, wrong]) => wrong.length), []);
});
