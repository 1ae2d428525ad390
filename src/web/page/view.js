// All loaded windows on the page: creates, updates, stacks and removes them as the core's state
// says, and turns the keys that belong to a window (Tab, Esc, Alt+letter) into its events.

import { WindowView } from './window.js';

/** @typedef {import('./types.js').WindowLayout} WindowLayout */
/** @typedef {import('./types.js').WindowState} WindowState */
/** @typedef {import('./types.js').ProgramState} ProgramState */
/** @typedef {import('./window.js').WindowEvents & {escape: (window: string) => void}} ViewEvents */

/** @typedef {{view: WindowView, raises: number, focusRequests: number, focus: string}} Slot */

/** @param {KeyboardEvent} event */
function pressedLetter(event) {
  // The key's place, not its character: with Alt held some systems type another character.
  const match = /^(?:Key|Digit)(\w)$/.exec(event.code);
  return (match ? match[1] : event.key).toLowerCase();
}

export class ProgramView {
  /**
   * @param {HTMLElement} desk
   * @param {WindowLayout[]} layouts
   * @param {ViewEvents} events
   */
  constructor(desk, layouts, events) {
    this.desk = desk;
    this.layouts = new Map(layouts.map((layout) => [layout.name, layout]));
    this.events = events;
    /** @type {Map<string, Slot>} */
    this.slots = new Map();
    /** Windows the page put where it expects the core to put them, until the core says. */
    this.unplaced = new Set();
    this.topZ = 0;
    document.addEventListener('keydown', (event) => this.onKey(event));
  }

  /** @param {WindowLayout[]} layouts */
  learn(layouts) {
    for (const layout of layouts) this.layouts.set(layout.name, layout);
  }

  /**
   * Draws a state that the core gave before it was at hand, its windows placed by the page; the
   * core's first own state for a window then places it.
   * @param {ProgramState} state
   */
  preview(state) {
    this.sync(state);
    for (const window of state.windows) this.unplaced.add(window.name);
  }

  /** @param {ProgramState} state */
  sync(state) {
    const loaded = new Set(state.ended ? [] : state.windows.map((window) => window.name));
    for (const [name, slot] of this.slots) {
      if (!loaded.has(name)) {
        slot.view.element.remove();
        this.slots.delete(name);
      }
    }
    if (!state.ended) for (const window of state.windows) this.syncWindow(window);
    this.markActive();
  }

  /** @param {WindowState} state */
  syncWindow(state) {
    let slot = this.slots.get(state.name);
    if (!slot) slot = this.create(state);
    else if (this.unplaced.delete(state.name)) slot.view.placeAt(state.left, state.top);
    slot.view.apply(state);
    slot.focus = state.focus;
    if (!slot.view.shown) return;
    if (state.raises !== slot.raises) {
      slot.raises = state.raises;
      this.bringToFront(slot.view);
      // A window put in front takes the focus it had, as an activated desktop window does.
      if (!slot.view.element.contains(document.activeElement)) slot.view.focusControl(state.focus);
    }
    // A focus asked for while the window was hidden moves when it is shown.
    if (state.focusRequests !== slot.focusRequests) {
      slot.focusRequests = state.focusRequests;
      slot.view.focusControl(state.focus);
    }
  }

  /** @param {WindowState} state */
  create(state) {
    const layout = this.layouts.get(state.name);
    if (!layout) throw new Error(`no table for window ${state.name}`);
    const view = new WindowView(layout, this.events);
    // The core placed the window's frame on the viewport when it loaded the window.
    view.placeAt(state.left, state.top);
    view.element.addEventListener('pointerdown', (event) => this.onPointerDown(view, event));
    view.element.addEventListener('mousedown', (event) => this.onMouseDown(view, event));
    /** @type {Slot} */
    const slot = { view, raises: 0, focusRequests: 0, focus: state.focus };
    this.slots.set(state.name, slot);
    this.bringToFront(view);
    this.desk.append(view.element);
    return slot;
  }

  /** @param {WindowView} view */
  bringToFront(view) {
    view.element.style.zIndex = String(++this.topZ);
    this.markActive();
  }

  frontView() {
    /** @type {WindowView | undefined} */
    let front;
    for (const { view } of this.slots.values()) {
      if (view.shown && (!front || Number(view.element.style.zIndex) > Number(front.element.style.zIndex))) front = view;
    }
    return front;
  }

  markActive() {
    const front = this.frontView();
    for (const { view } of this.slots.values()) view.element.classList.toggle('active', view === front);
  }

  /** @param {Element | null} element */
  viewOf(element) {
    for (const { view } of this.slots.values()) if (element && view.element.contains(element)) return view;
    return undefined;
  }

  /** @param {WindowView} view @param {Event} event */
  takesFocus(view, event) {
    const control = view.controlOf(event.target instanceof Element ? event.target.closest('.control') : null);
    return control !== undefined && view.canTakeFocus(control);
  }

  // A press anywhere on a window brings it in front with its focus, as on a desktop.
  /** @param {WindowView} view @param {PointerEvent} event */
  onPointerDown(view, event) {
    this.bringToFront(view);
    if (!this.takesFocus(view, event) && !view.element.contains(document.activeElement)) {
      view.focusControl(this.slots.get(view.layout.name)?.focus ?? '');
    }
  }

  // A press on something that takes no focus leaves the focus where it was.
  /** @param {WindowView} view @param {MouseEvent} event */
  onMouseDown(view, event) {
    if (!this.takesFocus(view, event)) event.preventDefault();
  }

  /** @param {KeyboardEvent} event */
  onKey(event) {
    const view = this.viewOf(document.activeElement) ?? this.frontView();
    if (!view || event.ctrlKey || event.metaKey) return;
    const name = view.layout.name;
    if (event.key === 'Escape') {
      event.preventDefault();
      this.events.escape(name);
    } else if (event.key === 'Tab' && !event.altKey) {
      event.preventDefault();
      view.tabTarget(view.controlOf(document.activeElement), event.shiftKey)?.element.focus();
    } else if (event.altKey) {
      const button = view.accessButton(pressedLetter(event));
      if (!button) return;
      // Also the letters the browser keeps for itself, such as Alt+F for its menu.
      event.preventDefault();
      button.element.click();
    }
  }
}
