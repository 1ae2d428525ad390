// The program in the page: the core behind the bridge, the windows in front, the platform under.
// Every event goes to the core, and the state it hands back is drawn; the page decides nothing.

import { loadBridge } from './bridge.js';
import { firstLook } from './first_look.js';
import { CAPTION_FONT, centredOn, FRAME_TWIPS } from './frame.js';
import { LeavingGuard } from './leaving.js';
import { keepOffline } from './offline.js';
import { Beeper, Timers, whenIdle } from './services.js';
import { atMost, FACE_WAIT_MS, SAYS, StartWatch, whyNotLoaded } from './starting.js';
import { assetUrl, fontShorthand } from './units.js';
import { ProgramView } from './view.js';
import { watchVisibleArea } from './visible_area.js';

/** @typedef {import('./bridge.js').Bridge} Bridge */
/** @typedef {import('./types.js').ProgramState} ProgramState */
/** @typedef {import('./types.js').WindowLayout} WindowLayout */
/** @typedef {import('./types.js').SizeTwips} SizeTwips */

/** @param {string} id */
function byId(id) {
  const element = document.getElementById(id);
  if (!element) throw new Error(`the page has no #${id}`);
  return element;
}

/** The faces that windows' texts are drawn with, as the font loading API takes them. @param {WindowLayout[]} windows */
function facesOf(windows) {
  const fonts = new Set([CAPTION_FONT]);
  for (const layout of windows) {
    // A drawing shows no text: its face is no reason to wait.
    for (const control of layout.controls) if (control.kind !== 'Line' && !control.picture) fonts.add(fontShorthand(control.font));
  }
  return fonts;
}

// What cannot be had leaves its fallback or an empty box: the program runs all the same.
/** @param {Set<string>} fonts */
const loadFaces = (fonts) => [...fonts].map((font) => document.fonts.load(font).catch(() => []));

// The faces and drawings of the first window are in before it is drawn, so that it does not
// change its look a moment later, unless they are slow: then it shows without them, and they
// swap in when they come. The other windows' faces follow once it shows, long before a pupil can
// open one of them.
/** @param {WindowLayout} first */
async function loadLooksOf(first) {
  const drawings = new Set([assetUrl('icon')]);
  for (const control of first.controls) {
    if (control.picture && !firstLook?.drawings[control.picture]) drawings.add(assetUrl(control.picture));
  }
  await atMost(Promise.all([
    ...loadFaces(new Set([...facesOf([first]), ...firstLook?.faces ?? []])),
    ...[...drawings].map((url) => Object.assign(new Image(), { src: url }).decode().catch(() => undefined)),
  ]), FACE_WAIT_MS);
}

// The core centres each window it loads on the screen, frame included: the first look stands
// there too until the core is in.
/** @param {{layout: WindowLayout, state: ProgramState}} look @param {SizeTwips} screen @returns {ProgramState} */
function centred({ layout, state }, screen) {
  const { left, top } = centredOn(screen, layout);
  return { ...state, windows: state.windows.map((window) => ({ ...window, left, top })) };
}

// Resolves once the frame that shows what is drawn now is made and the next one begins: by then
// the first is painted, and the work that follows does not compete with it.
const afterNextFrame = () => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(resolve))));

/** @param {StartWatch} watch */
async function main(watch) {
  const desk = byId('desk');
  const ended = byId('ended');
  const restart = byId('restart');
  /** @type {Bridge | null} */
  let bridge = null;
  // What the pupil does before the core is in waits for it, in order.
  /** @type {(() => void)[]} */
  const waiting = [];
  /** @param {(core: Bridge) => ProgramState} event */
  const send = (event) => {
    const now = () => run(() => event(/** @type {Bridge} */ (bridge)));
    if (bridge) now();
    else waiting.push(now);
  };
  const beeper = new Beeper();
  const leaving = new LeavingGuard();
  for (const kind of ['pointerdown', 'keydown']) document.addEventListener(kind, () => beeper.prepare(), { capture: true, once: true });
  const timers = new Timers((window) => send((core) => core.tick(window)));
  const view = new ProgramView(desk, firstLook ? [firstLook.layout] : [], {
    click: (window, control) => send((core) => core.click(window, control)),
    edit: (window, control, text) => send((core) => core.edit(window, control, text)),
    escape: (window) => send((core) => core.escape(window)),
    closeBox: (window) => send((core) => core.closeBox(window)),
    focusIn: (window, control) => send((core) => core.focusIn(window, control)),
  }, (layout) => centre(layout));
  /**
   * Where the core centres a window on the desk; before it is in, where it will.
   * @param {WindowLayout} layout @returns {{left: number, top: number}}
   */
  function centre(layout) {
    return bridge ? bridge.centred(layout.name, view.screen(), FRAME_TWIPS) : centredOn(view.screen(), layout);
  }
  // The screen the core centres the windows it loads on is the desk, fitted to what shows of the page.
  watchVisibleArea((area) => {
    view.fitTo(area);
    bridge?.setScreen(view.screen(), FRAME_TWIPS);
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
    leaving.hold(view.holdsLesson());
    // The tone is set going once the frame with its message is drawn, when the page is idle: the
    // message and whatever the pupil does next come first.
    if (state.beeps > 0) requestAnimationFrame(() => whenIdle(() => beeper.beep(state.beeps)));
    if (state.ended) {
      timers.stopAll();
      ended.hidden = false;
      restart.focus();
    } else {
      timers.apply(state.timers);
    }
  }

  // The main menu shows before the core is compiled and started, and the core's work waits until
  // it is on the screen: the core's own first state then finds it drawn as it would draw it.
  if (firstLook) {
    await loadLooksOf(firstLook.layout);
    view.preview(centred(firstLook, view.screen()));
    await afterNextFrame();
  }
  const core = await loadBridge().catch((error) => {
    watch.fail(whyNotLoaded(error));
    throw error;
  });
  watch.done();
  const layouts = core.layouts();
  view.learn(layouts);
  const first = layouts.find((layout) => layout.mainWindow);
  if (!firstLook && first) await loadLooksOf(first);
  restart.addEventListener('click', () => {
    ended.hidden = true;
    run(() => core.start(view.screen(), FRAME_TWIPS));
  });
  bridge = core;
  run(() => core.start(view.screen(), FRAME_TWIPS));
  for (const event of waiting.splice(0)) event();
  loadFaces(facesOf(layouts));
  keepOffline();
}

// Made before anything else, so that the sentence for a page whose script never came is gone
// before the first frame.
const watch = new StartWatch({ desk: byId('desk'), loading: byId('loading'), failed: byId('failed'), failedText: byId('failed-text') });
main(watch).catch((error) => {
  if (!watch.told) watch.fail(SAYS.stopped);
  throw error;
});
