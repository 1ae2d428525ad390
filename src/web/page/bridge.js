// The core, compiled to WebAssembly: each event goes in by name, and what it changed comes back as
// JSON (the first state whole, then only what differs from what the page was last told).

import { embedded } from './embedded.js';

/** @typedef {import('./types.js').ProgramState} ProgramState */
/** @typedef {import('./types.js').WindowLayout} WindowLayout */
/** @typedef {import('./types.js').SizeTwips} SizeTwips */

/**
 * @typedef {object} Bridge
 * @property {() => WindowLayout[]} layouts
 * @property {(screen: SizeTwips, frame: SizeTwips) => ProgramState} start
 * @property {(screen: SizeTwips, frame: SizeTwips) => void} setScreen
 * @property {(window: string, screen: SizeTwips, frame: SizeTwips) => {left: number, top: number}} centred
 *   where the core puts the window on that screen
 * @property {(window: string, control: string) => ProgramState} click
 * @property {(window: string, control: string, text: string) => ProgramState} edit
 * @property {(window: string, control: string) => ProgramState} resend
 * @property {(window: string) => ProgramState} escape
 * @property {(window: string) => ProgramState} closeBox
 * @property {(window: string) => ProgramState} tick
 * @property {(window: string, control: string) => ProgramState} focusIn
 */

// The core from the page's folder. It compiles as it arrives, while its glue is still loading,
// instead of after it.
/** @returns {Promise<any>} */
async function loadCore() {
  const compiled = WebAssembly.compileStreaming(fetch(new URL('vertola_core.wasm', import.meta.url),
    { credentials: 'same-origin' }));
  // Named through a variable, so that the type check does not look for the generated module.
  const glue = './vertola_core.mjs';
  const { default: createVertola } = await import(glue);
  /**
   * @param {WebAssembly.Imports} imports
   * @param {(instance: WebAssembly.Instance, module: WebAssembly.Module) => void} ready
   */
  const instantiateWasm = (imports, ready) => {
    compiled.then(async (module) => ready(await WebAssembly.instantiate(module, imports), module)).catch(() => {});
    return {};
  };
  // A core that cannot be compiled fails the start, rather than leaving the page waiting.
  return Promise.race([createVertola({ instantiateWasm }), compiled.then(() => new Promise(() => {}))]);
}

/** @returns {Promise<Bridge>} */
export async function loadBridge() {
  // A page that is one file carries its core inside itself.
  const core = embedded ? await embedded.createVertola({ wasmBinary: embedded.wasmBinary }) : await loadCore();
  /**
   * @param {string} name
   * @param {string[]} args
   * @returns {(...values: (string | number)[]) => any}
   */
  const json = (name, args) => {
    const call = core.cwrap(name, 'string', args);
    return (...values) => JSON.parse(call(...values));
  };
  const start = json('vt_start', ['number', 'number', 'number', 'number']);
  // A typed or pasted text goes through the heap, as cwrap would copy it onto the small wasm
  // stack, and with its length, as a NUL pasted into a cell would end a C string. The browser's
  // own encoder writes it, as the standard says: a lone surrogate (half of a pair, which a pupil
  // can paste) becomes one U+FFFD and leaves the characters after it alone.
  const encoder = new TextEncoder();
  const textBuffer = core.cwrap('vt_text_buffer', 'number', ['number']);
  const editAt = core.cwrap('vt_edit_bytes', 'string', ['string', 'string', 'number', 'number']);
  const resend = json('vt_resend', ['string', 'string']);
  /** @type {(window: string, control: string, text: string) => ProgramState} */
  const edit = (window, control, text) => {
    const bytes = encoder.encode(text);
    const at = textBuffer(bytes.length);
    // No room for a text that large: the core keeps the text it had, and the cell shows it again.
    if (!at) return resend(window, control);
    try {
      // Read after the buffer is made, as the heap's view is new whenever the heap grew.
      core.HEAPU8.set(bytes, at);
      return JSON.parse(editAt(window, control, at, bytes.length));
    } finally {
      core._free(at);
    }
  };
  const setScreen = core.cwrap('vt_set_screen', null, ['number', 'number', 'number', 'number']);
  const centred = json('vt_centred', ['string', 'number', 'number', 'number', 'number']);
  return {
    layouts: json('vt_layouts', []),
    start: (screen, frame) => start(screen.width, screen.height, frame.width, frame.height),
    setScreen: (screen, frame) => setScreen(screen.width, screen.height, frame.width, frame.height),
    centred: (window, screen, frame) => centred(window, screen.width, screen.height, frame.width, frame.height),
    click: json('vt_click', ['string', 'string']),
    edit,
    resend,
    escape: json('vt_escape', ['string']),
    closeBox: json('vt_close_box', ['string']),
    tick: json('vt_tick', ['string']),
    focusIn: json('vt_focus_in', ['string', 'string']),
  };
}
