// The program in the page: the core behind the bridge, the windows in front, the platform under.
// Every event goes to the core, and the state it hands back is drawn; the page decides nothing.

import { loadBridge } from './bridge.js';
import { CAPTION_FONT, FRAME_TWIPS } from './frame.js';
import { keepOffline } from './offline.js';
import { Beeper, screenSize, Timers } from './services.js';
import { assetUrl, fontShorthand } from './units.js';
import { ProgramView } from './view.js';

/** @typedef {import('./types.js').ProgramState} ProgramState */
/** @typedef {import('./types.js').WindowLayout} WindowLayout */

/** @param {string} id */
function byId(id) {
  const element = document.getElementById(id);
  if (!element) throw new Error(`the page has no #${id}`);
  return element;
}

// The faces and drawings of the first window are in before it is drawn, so that it does not
// change its look a moment later; the other windows' faces follow in the background, long before
// a pupil can open one of them.
/** @param {WindowLayout[]} layouts */
async function loadLooks(layouts) {
  /** @param {WindowLayout[]} windows */
  const facesOf = (windows) => {
    const fonts = new Set([CAPTION_FONT]);
    for (const layout of windows) {
      // A drawing shows no text: its face is no reason to wait.
      for (const control of layout.controls) if (control.kind !== 'Line' && !control.picture) fonts.add(fontShorthand(control.font));
    }
    return fonts;
  };
  const first = layouts.find((layout) => layout.mainWindow);
  const drawings = new Set([assetUrl('icon')]);
  for (const control of first?.controls ?? []) if (control.picture) drawings.add(assetUrl(control.picture));
  // What cannot be had leaves its fallback or an empty box: the program runs all the same.
  /** @param {Set<string>} fonts */
  const load = (fonts) => [...fonts].map((font) => document.fonts.load(font).catch(() => []));
  const needed = facesOf(first ? [first] : layouts);
  await Promise.all([
    ...load(needed),
    ...[...drawings].map((url) => Object.assign(new Image(), { src: url }).decode().catch(() => undefined)),
  ]);
  return () => load(new Set([...facesOf(layouts)].filter((font) => !needed.has(font))));
}

async function main() {
  const desk = byId('desk');
  const ended = byId('ended');
  const restart = byId('restart');
  const bridge = await loadBridge();
  const layouts = bridge.layouts();
  const loadOtherLooks = await loadLooks(layouts);
  const beeper = new Beeper();
  const timers = new Timers((window) => run(() => bridge.tick(window)));
  const view = new ProgramView(desk, layouts, {
    click: (window, control) => run(() => bridge.click(window, control)),
    edit: (window, control, text) => run(() => bridge.edit(window, control, text)),
    escape: (window) => run(() => bridge.escape(window)),
    closeBox: (window) => run(() => bridge.closeBox(window)),
    focusIn: (window, control) => run(() => bridge.focusIn(window, control)),
  });

  // Drawing a state moves the focus, which is itself an event for the core: its state is drawn
  // once the drawing in progress is over.
  let drawing = false;
  /** @type {ProgramState | null} */
  let pending = null;

  /** @param {() => ProgramState} event */
  function run(event) {
    pending = event();
    if (drawing) return;
    drawing = true;
    try {
      while (pending) {
        const state = pending;
        pending = null;
        draw(state);
      }
    } finally {
      drawing = false;
    }
  }

  /** @param {ProgramState} state */
  function draw(state) {
    view.sync(state);
    // The tone follows the next frame: opening the sound device can take long, and the message
    // it goes with must not wait for it.
    if (state.beeps > 0) requestAnimationFrame(() => setTimeout(() => beeper.beep(state.beeps)));
    if (state.ended) {
      timers.stopAll();
      ended.hidden = false;
      restart.focus();
    } else {
      timers.apply(state.timers);
    }
  }

  restart.addEventListener('click', () => {
    ended.hidden = true;
    run(() => bridge.start(screenSize(), FRAME_TWIPS));
  });
  window.addEventListener('resize', () => bridge.setScreen(screenSize(), FRAME_TWIPS));
  run(() => bridge.start(screenSize(), FRAME_TWIPS));
  requestAnimationFrame(() => setTimeout(loadOtherLooks));
  keepOffline();
}

main().catch((error) => {
  byId('desk').textContent = 'Non è stato possibile avviare il programma in questo browser.';
  throw error;
});
