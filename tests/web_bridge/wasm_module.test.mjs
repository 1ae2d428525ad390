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

test('any text typed into a cell comes back unchanged, and a wrong check beeps', () => {
  start(19200, 12000, 30, 465);
  click('frmuno', 'cmd999');
  click('frm999inizio', 'cmdadd');
  // Every control character but NUL, which ends a C string on the way in.
  const controls = Array.from({ length: 31 }, (_, i) => String.fromCharCode(i + 1)).join('');
  const typed = `${controls}"\\ unità ✓ 𝟕 ${'9'.repeat(100000)}`;
  const back = textOf(windowOf(edit('frm999addizioni', 'txturis', typed), 'frm999addizioni'), 'txturis');
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
    const state = JSON.parse(editBytes('frm999addizioni', 'txturis', at, length));
    core._free(at);
    assert.equal(textOf(windowOf(state, 'frm999addizioni'), 'txturis'), typed);
  }
});
