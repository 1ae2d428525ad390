// The WebAssembly module as the page loads it, here under node: the same calls, real JSON.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import path from 'node:path';

const glue = path.resolve(process.env.VERTOLA_WEB_DIR ?? 'build/web', 'vertola_core.mjs');
// The ES module glue of this emscripten still reaches for CommonJS names when it sees node.
Object.assign(globalThis, { __dirname: path.dirname(glue), require: createRequire(glue) });
const { default: createVertola } = await import(glue);
const core = await createVertola({ wasmBinary: readFileSync(glue.replace(/\.mjs$/, '.wasm')) });

const call = (name, ...types) => {
  const fn = core.cwrap(name, 'string', types);
  return (...args) => JSON.parse(fn(...args));
};
const start = call('vt_start', 'number', 'number', 'number', 'number');
const click = call('vt_click', 'string', 'string');
const edit = call('vt_edit', 'string', 'string', 'string');
const layouts = call('vt_layouts');
const windowOf = (state, name) => state.windows.find((w) => w.name === name);
const textOf = (window, control) => window.controls.find((c) => c.name === control).text;

test('layouts list the fifteen windows, each with its controls', () => {
  const all = layouts();
  assert.equal(all.length, 15);
  assert.equal(new Set(all.map((w) => w.name)).size, 15);
  for (const window of all) {
    assert.match(window.name, /^frm/);
    assert.ok(window.controls.length > 0, window.name);
    for (const name of window.tabOrder) assert.ok(window.controls.some((c) => c.name === name), name);
  }
});

test('a level button replaces the main menu with the level menu', () => {
  assert.equal(windowOf(start(19200, 12000, 30, 465), 'frmuno').state, 'shown');
  const state = click('frmuno', 'cmd999');
  assert.equal(windowOf(state, 'frm999inizio').state, 'shown');
  assert.equal(windowOf(state, 'frmuno'), undefined);
});

const state = call('vt_state');

test('any text typed into a cell is held unchanged, and a wrong check beeps', () => {
  start(19200, 12000, 30, 465);
  click('frmuno', 'cmd999');
  click('frm999inizio', 'cmdadd');
  // Every control character but NUL, which ends a C string on the way in.
  const controls = Array.from({ length: 31 }, (_, i) => String.fromCharCode(i + 1)).join('');
  const typed = `${controls}"\\ unità ✓ 𝟕 ${'9'.repeat(100000)}`;
  edit('frm999addizioni', 'txturis', typed);
  const back = textOf(windowOf(state(), 'frm999addizioni'), 'txturis');
  assert.ok(back === typed, `the cell holds ${back.length} characters instead of the ${typed.length} typed`);
  const checked = click('frm999addizioni', 'cmdconferma');
  assert.equal(checked.beeps, 1);
  assert.equal(checked.timers.frm999addizioni.running, true);
  assert.notEqual(textOf(windowOf(checked, 'frm999addizioni'), 'lblmessaggio'), '');
});

test('a text handed over with its length keeps the NULs in it', () => {
  start(19200, 12000, 30, 465);
  click('frmuno', 'cmd999');
  click('frm999inizio', 'cmdadd');
  const editBytes = core.cwrap('vt_edit_bytes', 'string', ['string', 'string', 'number', 'number']);
  for (const typed of ['12\u000034', '\u0000', 'è\u0000✓\u0000', '']) {
    const length = core.lengthBytesUTF8(typed);
    const at = core._malloc(length + 1);
    core.stringToUTF8(typed, at, length + 1);
    editBytes('frm999addizioni', 'txturis', at, length);
    core._free(at);
    assert.equal(textOf(windowOf(state(), 'frm999addizioni'), 'txturis'), typed);
  }
});

// A text handed over as the page does it: into a buffer the core makes, then edited in.
const textBuffer = core.cwrap('vt_text_buffer', 'number', ['number']);
const editBytes = core.cwrap('vt_edit_bytes', 'string', ['string', 'string', 'number', 'number']);
function paste(window, control, text) {
  const bytes = new TextEncoder().encode(text);
  const at = textBuffer(bytes.length);
  if (!at) return null;
  core.HEAPU8.set(bytes, at);
  const answer = editBytes(window, control, at, bytes.length);
  core._free(at);
  return answer;
}

test('the memory a long text took is used again once the text is replaced', () => {
  start(19200, 12000, 30, 465);
  click('frmuno', 'cmd999');
  click('frm999inizio', 'cmdadd');
  const long = '7'.repeat(10 * 1024 * 1024);
  const before = core.HEAPU8.length;
  const answer = paste('frm999addizioni', 'txturis', long);
  // The answer does not carry the text back.
  assert.ok(answer.length < 1000, `the answer to a 10 MB edit is ${answer.length} bytes`);
  const grown = core.HEAPU8.length;
  assert.ok(grown - before <= 3 * long.length, `10 MB in a cell took the heap from ${before} to ${grown} bytes`);
  // The check of such a cell needs room of its own, once; after that the heap stays as it is.
  const sizes = [];
  for (let round = 0; round < 5; ++round) {
    paste('frm999addizioni', 'txturis', '1');
    click('frm999addizioni', 'cmdconferma');
    paste('frm999addizioni', 'txturis', long);
    click('frm999addizioni', 'cmdconferma');
    sizes.push(core.HEAPU8.length);
  }
  assert.deepEqual(sizes, Array(5).fill(sizes[0]));
});

test('a text too large for the core\'s memory is refused, and the core goes on', () => {
  start(19200, 12000, 30, 465);
  click('frmuno', 'cmd999');
  click('frm999inizio', 'cmdadd');
  paste('frm999addizioni', 'txturis', '12');
  // Room for the page's copy of it, but not for the core's as well; or not even for the page's.
  for (const bytes of [1_200_000_000, 2_100_000_000]) assert.equal(textBuffer(bytes), 0, `${bytes} bytes`);
  const told = JSON.parse(core.cwrap('vt_resend', 'string', ['string', 'string'])('frm999addizioni', 'txturis'));
  assert.equal(textOf(windowOf(told, 'frm999addizioni'), 'txturis'), '12');
  const checked = click('frm999addizioni', 'cmdconferma');
  assert.equal(textOf(windowOf(checked, 'frm999addizioni'), 'lblmessaggio'), 'Sbagliato! Ripeti');
});

// The page draws its first look before the core is in, so it keeps the core's scale and centring
// beside it; both must be the core's.
test("the page's twips per pixel and first-look centring are the core's", async () => {
  const { TWIPS_PER_PIXEL } = await import('../../src/web/page/units.js');
  const { centredOn, FRAME_TWIPS } = await import('../../src/web/page/frame.js');
  assert.deepEqual(call('vt_units')(), { twipsPerPixel: TWIPS_PER_PIXEL });
  const centred = call('vt_centred', 'string', 'number', 'number', 'number', 'number');
  // Even and odd screens, and one smaller than every window.
  const screens = [{ width: 19200, height: 12000 }, { width: 20491, height: 11253 }, { width: 300, height: 200 }];
  for (const layout of layouts()) {
    for (const screen of screens) {
      assert.deepEqual(centredOn(screen, layout), centred(layout.name, screen.width, screen.height, FRAME_TWIPS.width, FRAME_TWIPS.height),
        `${layout.name} on ${screen.width} x ${screen.height}`);
    }
  }
});
