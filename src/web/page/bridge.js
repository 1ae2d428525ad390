// The core, compiled to WebAssembly: each event goes in by name, and the state comes back as JSON.

import { embedded } from './embedded.js';

/** @typedef {import('./types.js').ProgramState} ProgramState */
/** @typedef {import('./types.js').WindowLayout} WindowLayout */
/** @typedef {import('./types.js').SizeTwips} SizeTwips */

/**
 * @typedef {object} Bridge
 * @property {() => WindowLayout[]} layouts
 * @property {(screen: SizeTwips, frame: SizeTwips) => ProgramState} start
 * @property {(screen: SizeTwips, frame: SizeTwips) => void} setScreen
 * @property {(window: string, control: string) => ProgramState} click
 * @property {(window: string, control: string, text: string) => ProgramState} edit
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
  // stack, and with its length, as a NUL pasted into a cell would end a C string.
  const editAt = core.cwrap('vt_edit_bytes', 'string', ['string', 'string', 'number', 'number']);
  /** @type {(window: string, control: string, text: string) => ProgramState} */
  const edit = (window, control, text) => {
    const length = core.lengthBytesUTF8(text);
    const at = core._malloc(length + 1);
    try {
      core.stringToUTF8(text, at, length + 1);
      return JSON.parse(editAt(window, control, at, length));
    } finally {
      core._free(at);
    }
  };
  const setScreen = core.cwrap('vt_set_screen', null, ['number', 'number', 'number', 'number']);
  return {
    layouts: json('vt_layouts', []),
    start: (screen, frame) => start(screen.width, screen.height, frame.width, frame.height),
    setScreen: (screen, frame) => setScreen(screen.width, screen.height, frame.width, frame.height),
    click: json('vt_click', ['string', 'string']),
    edit,
    escape: json('vt_escape', ['string']),
    closeBox: json('vt_close_box', ['string']),
    tick: json('vt_tick', ['string']),
    focusIn: json('vt_focus_in', ['string', 'string']),
  };
}
