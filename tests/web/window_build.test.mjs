// Every window is drawn from its table: the frame, the client area, and each control's place,
// colours, font, text and name, read from the page against the core's own tables.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickAll, everyWindowTour, named, openProgram, readLayouts, readUnits, useBrowser } from './support/program.mjs';

const shared = useBrowser();

// Runs in the page: what it shows of one window that differs from its table, as readable lines.
function differences({ layout, twipsPerPixel }) {
  const out = [];
  const expect = (what, got, wanted) => String(got) !== String(wanted) && out.push(`${what}: ${got} != ${wanted}`);
  const rgb = (c) => `rgb(${c.join(', ')})`;
  const px = (twips) => Math.round(twips / twipsPerPixel);
  const frame = document.querySelector(`[role="dialog"][data-name="${layout.name}"]`);
  const client = frame.querySelector('[data-client]');
  const box = frame.getBoundingClientRect();
  expect('caption', frame.getAttribute('aria-label'), layout.caption);
  expect('client', [client.offsetWidth, client.offsetHeight, getComputedStyle(client).backgroundColor],
    [px(layout.clientWidth), px(layout.clientHeight), rgb(layout.background)]);
  // The core centred the frame it was told of: the one drawn.
  expect('centred', [box.left + box.width / 2 - innerWidth / 2, box.top + box.height / 2 - innerHeight / 2].every((d) => Math.abs(d) <= 1), true);
  for (const design of layout.controls) {
    const el = client.querySelector(`[data-name="${design.name}"]`);
    const style = getComputedStyle(el);
    const line = design.kind === 'Line';
    const [left, top, width, height] = design.rect.map(px).map((v, i) => (line && i > 1 ? Math.max(1, v) : v));
    expect(`${design.name} rect`, [el.offsetLeft, el.offsetTop, el.offsetWidth, el.offsetHeight], design.visible ? [left, top, width, height] : [0, 0, 0, 0]);
    expect(`${design.name} back`, style.backgroundColor, design.back ? rgb(design.back) : style.backgroundColor);
    if (line) continue;
    expect(`${design.name} font`, [style.color, style.fontFamily.split(',')[0], style.fontSize, style.fontWeight, style.fontStyle],
      [rgb(design.fore ?? [0, 0, 0]), { 'MS Sans Serif': 'Arimo', 'Comic Sans MS': '"Comic Neue"' }[design.font.family],
        `${Math.round(design.font.points * 400 / 3) / 100}px`, design.font.bold ? 700 : 400, design.font.italic ? 'italic' : 'normal']);
    expect(`${design.name} tab stop`, el.tabIndex === 0, layout.tabOrder.includes(design.name));
    if ((design.kind === 'Label' && design.caption) || design.kind === 'Button') expect(`${design.name} text`, el.textContent, design.caption.replace('&', ''));
    if (design.kind === 'Button') expect(`${design.name} access letter`, el.querySelector('u')?.textContent, /&(.)/.exec(design.caption)?.[1]);
    if (design.kind === 'TextBox') expect(`${design.name} cell`, [el.type, el.maxLength, el.pattern], ['text', -1, '']);
    if (design.kind === 'PictureButton') {
      const icon = el.querySelector('svg, img').getBoundingClientRect();
      expect(`${design.name} icon`, [icon.width, icon.height], [design.iconSide, design.iconSide]);
    }
    // What is read out as it changes goes through the page's one live region, once.
    expect(`${design.name} live region`, el.closest('[aria-live], [role="alert"], [role="status"], [role="log"]'), null);
    if (design.kind !== 'Label') expect(`${design.name} name`, el.getAttribute('aria-label') ?? el.alt ?? '', design.accessibleName);
  }
  return out;
}

// The texts of a window, its frame's and its drawings' included, that the browser draws in a face
// of the machine's rather than one the page ships; a drawing shown as an image cannot use the
// page's faces, so one with text is listed too.
async function systemFaces(page, cdp, window) {
  const dialog = `[role="dialog"][data-name="${window}"]`;
  const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
  const { nodeIds } = await cdp.send('DOM.querySelectorAll', { nodeId: root.nodeId, selector: `${dialog} *` });
  const found = [];
  for (const nodeId of nodeIds) {
    const { fonts } = await cdp.send('CSS.getPlatformFontsForNode', { nodeId });
    const where = fonts.some((f) => !f.isCustomFont) && (await cdp.send('DOM.getOuterHTML', { nodeId })).outerHTML.slice(0, 80);
    found.push(...fonts.filter((f) => !f.isCustomFont).map((f) => `${where}: ${f.familyName}`));
  }
  for (const src of await page.locator(`${dialog} img`).evaluateAll((images) => images.map((image) => image.src))) {
    if (/<text\b/.test(await (await page.request.get(src)).text())) found.push(`${src}: text in an image`);
  }
  return found;
}

test('every window is drawn from its table, its texts in the faces the page ships', async () => {
  const page = await openProgram(shared);
  const layouts = await readLayouts(page);
  const { twipsPerPixel } = await readUnits(page);
  // The exit button's icon is drawn at the side its table gives, as on the desktop.
  assert.equal(layouts.get(named(layouts, 'MainMenu')).controls.find((c) => c.name === 'cmdesci').iconSide, 32);
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('DOM.enable');
  await cdp.send('CSS.enable');
  // A tour of every window; each is looked at when it first comes in front.
  const seen = new Map();
  for (const click of ['', ...everyWindowTour(layouts)]) {
    await clickAll(page, click ? [click] : []);
    const front = await page.evaluate(() => document.querySelector('[role="dialog"].active').dataset.name);
    const layout = layouts.get(front);
    assert.equal(await page.getByRole('dialog', { name: layout.caption, exact: true }).isVisible(), true);
    if (!seen.has(front)) seen.set(front, [...await page.evaluate(differences, { layout, twipsPerPixel }), ...await systemFaces(page, cdp, front)]);
  }
  assert.deepEqual([...seen.keys()].sort(), [...layouts.keys()].sort());
  assert.deepEqual([...seen].filter(([, wrong]) => wrong.length), []);
});
