// All loaded windows on the page: creates, updates, stacks and removes them as the core's state
// says, and turns the keys that belong to a window (Tab, Esc, Alt+letter) into its events, and
// the window manager's keys into closing and stacking windows.

import { Announcer, heardIn } from './announcer.js';
import { FRAME_TWIPS, keepWithinReach } from './frame.js';
import { px, TWIPS_PER_PIXEL } from './units.js';
import { visibleArea } from './visible_area.js';
import { WindowView } from './window.js';
import { CLOSE_KEY, NEXT_KEY, pressed } from './window_keys.js';

/** @typedef {import('./types.js').WindowLayout} WindowLayout */
/** @typedef {import('./types.js').WindowState} WindowState */
/** @typedef {import('./types.js').ProgramState} ProgramState */
/** @typedef {import('./window.js').WindowEvents & {escape: (window: string) => void}} ViewEvents */

/** @typedef {import('./types.js').SizeTwips} SizeTwips */
/** @typedef {import('./visible_area.js').VisibleArea} VisibleArea */
/**
 * @typedef {{view: WindowView, raises: number, focusRequests: number, focus: string, raise: boolean,
 *   refocus: boolean}} Slot
 */

// Tab as every engine reports it: WebKitGTK names a real Shift+Tab only by its key's place.
/** @param {KeyboardEvent} event */
const isTab = (event) => event.key === 'Tab' || (event.key === 'Unidentified' && event.code === 'Tab');

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
   * @param {(layout: WindowLayout) => {left: number, top: number}} centre where the core centres a
   *   window on the desk as it is now, in twips
   */
  constructor(desk, layouts, events, centre) {
    this.desk = desk;
    this.layouts = new Map(layouts.map((layout) => [layout.name, layout]));
    this.events = events;
    this.centre = centre;
    /** @type {Map<string, Slot>} */
    this.slots = new Map();
    /** Windows the page put where it expects the core to put them, until the core says. */
    this.unplaced = new Set();
    this.topZ = 0;
    this.announcer = new Announcer();
    /** What the state being drawn has to say to a screen reader. @type {string[]} */
    this.heard = [];
    this.area = visibleArea();
    this.deskSize = { width: 0, height: 0 };
    this.fit();
    document.addEventListener('keydown', (event) => this.onKey(event));
  }

  /** Whether an exercise window is loaded, shown or hidden: its lesson would go with the page. */
  holdsLesson() {
    for (const { view } of this.slots.values()) if (view.layout.checkButton) return true;
    return false;
  }

  /** @param {WindowLayout[]} layouts */
  learn(layouts) {
    for (const layout of layouts) this.layouts.set(layout.name, layout);
    this.fitTo(this.area);
  }

  /**
   * The part of the page the pupil sees has changed: the desk is fitted to it as at a fresh start,
   * and every window loaded is put back on it, shown or hidden. A window the pupil has not moved
   * stands where the core centres it on the desk now; one the pupil moved goes as little as it
   * must to be wholly on the desk, as a desktop moves windows onto a smaller screen. Where only
   * the visible part moved, under an on-screen keyboard, the desk follows it and nothing changes.
   * @param {VisibleArea} area
   */
  fitTo(area) {
    this.area = area;
    if (!this.fit()) return;
    for (const { view } of this.slots.values()) {
      if (view.movedByPupil) {
        view.moveWhollyOnto(this.deskSize);
      } else {
        const { left, top } = this.centre(view.layout);
        view.placeAt(left, top);
      }
    }
  }

  /**
   * Where the largest window does not fit the visible part of the page, the whole desk is drawn
   * smaller until it does, all windows alike, so that every control stays in sight and under the
   * finger that taps it (the browser hit-tests what it draws scaled). The desk keeps its own size
   * in pixels, larger than the visible part by as much: the core centres windows on it, and
   * nothing changes where the windows fit. Returns whether the desk's size changed.
   */
  fit() {
    const { width, height, top, left } = this.area;
    // A page not laid out (in a hidden frame) has no size to fit to.
    if (width <= 0 || height <= 0) return false;
    const root = document.documentElement;
    let widest = 0;
    let tallest = 0;
    for (const layout of this.layouts.values()) {
      widest = Math.max(widest, px(layout.clientWidth + FRAME_TWIPS.width));
      tallest = Math.max(tallest, px(layout.clientHeight + FRAME_TWIPS.height));
    }
    const scale = Math.min(1, width / (widest || 1), height / (tallest || 1));
    const style = this.desk.style;
    if (scale === 1 && top === 0 && left === 0 && width === root.clientWidth && height === root.clientHeight) {
      for (const property of ['top', 'left', 'width', 'height', 'transform', 'transform-origin']) style.removeProperty(property);
    } else {
      style.top = `${top}px`;
      style.left = `${left}px`;
      style.width = `${width / scale}px`;
      style.height = `${height / scale}px`;
      style.transformOrigin = '0 0';
      style.transform = scale === 1 ? '' : `scale(${scale})`;
    }
    const size = { width: this.desk.clientWidth, height: this.desk.clientHeight };
    const changed = size.width !== this.deskSize.width || size.height !== this.deskSize.height;
    this.deskSize = size;
    return changed;
  }

  /** The screen the core centres windows on: the desk, in twips. @returns {SizeTwips} */
  screen() {
    return { width: this.desk.clientWidth * TWIPS_PER_PIXEL, height: this.desk.clientHeight * TWIPS_PER_PIXEL };
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
    this.heard = [];
    if (!state.ended) for (const window of state.windows) this.syncWindow(window);
    this.markActive();
    this.announcer.say(this.heard);
  }

  /** @param {WindowState} state one window as the core told it: whole at first, then what changed */
  syncWindow(state) {
    let slot = this.slots.get(state.name);
    const loaded = !slot;
    if (!slot) slot = this.create(state);
    else if (this.unplaced.delete(state.name)) slot.view.placeAt(state.left ?? 0, state.top ?? 0);
    const wasShown = slot.view.shown;
    const seen = slot.view.apply(state);
    // A window that comes is read by its name and focus; one that stays has its changes read.
    if (!loaded && wasShown && slot.view.shown) this.heard.push(...heardIn(slot.view, seen));
    if (state.focus !== undefined) slot.focus = state.focus;
    // A raise or a focus asked for while the window is hidden is done when it is shown.
    if (state.raises !== undefined && state.raises !== slot.raises) {
      slot.raises = state.raises;
      slot.raise = true;
    }
    if (state.focusRequests !== undefined && state.focusRequests !== slot.focusRequests) {
      slot.focusRequests = state.focusRequests;
      slot.refocus = true;
    }
    if (!slot.view.shown) return;
    // A window shown again comes back within reach, wherever the page was since.
    if (!wasShown) keepWithinReach(slot.view.element);
    if (slot.raise) {
      slot.raise = false;
      this.bringToFront(slot.view);
      // A window put in front takes the focus it had, as an activated desktop window does.
      if (!slot.view.element.contains(document.activeElement)) slot.view.focusControl(slot.focus);
    }
    if (slot.refocus) {
      slot.refocus = false;
      slot.view.focusControl(slot.focus);
    }
  }

  /** @param {WindowState} state */
  create(state) {
    const layout = this.layouts.get(state.name);
    if (!layout) throw new Error(`no table for window ${state.name}`);
    const view = new WindowView(layout, this.events);
    // The core placed the window's frame on the desk when it loaded the window.
    view.placeAt(state.left ?? 0, state.top ?? 0);
    view.element.addEventListener('pointerdown', (event) => this.onPointerDown(view, event));
    view.element.addEventListener('mousedown', (event) => this.onMouseDown(view, event));
    /** @type {Slot} */
    const slot = { view, raises: 0, focusRequests: 0, focus: state.focus ?? '', raise: false, refocus: false };
    this.slots.set(state.name, slot);
    this.bringToFront(view);
    this.desk.append(view.element);
    keepWithinReach(view.element);
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

  /**
   * Closes a window as its close box does; the window in front then takes the focus it had, as
   * the window a desktop activates next.
   * @param {WindowView} view
   */
  close(view) {
    this.events.closeBox(view.layout.name);
    if (this.viewOf(document.activeElement)) return;
    const front = this.frontView();
    if (front) front.focusControl(this.slots.get(front.layout.name)?.focus ?? '');
  }

  // The front window goes behind every other, and the one that comes to the front takes the focus
  // on its first control.
  bringNextToFront() {
    const order = [...this.slots.values()].map(({ view }) => view)
      .sort((a, b) => Number(a.element.style.zIndex) - Number(b.element.style.zIndex));
    const front = this.frontView();
    if (!front || order.filter((view) => view.shown).length < 2) return;
    order.splice(order.indexOf(front), 1);
    order.unshift(front);
    order.forEach((view, index) => { view.element.style.zIndex = String(index + 1); });
    this.topZ = order.length;
    this.markActive();
    const next = this.frontView();
    next?.tabTarget(undefined, false)?.element.focus({ preventScroll: true });
  }

  /** @param {KeyboardEvent} event */
  onKey(event) {
    const view = this.viewOf(document.activeElement) ?? this.frontView();
    if (!view || event.ctrlKey || event.metaKey) return;
    const name = view.layout.name;
    if (event.key === 'Escape') {
      event.preventDefault();
      this.events.escape(name);
    } else if (isTab(event) && !event.altKey) {
      event.preventDefault();
      view.tabTarget(view.controlOf(document.activeElement), event.shiftKey)?.element.focus({ preventScroll: true });
    } else if (pressed(event, CLOSE_KEY) || pressed(event, NEXT_KEY)) {
      event.preventDefault();
      // A key held down closes one window, not every window in turn.
      if (event.repeat) return;
      if (pressed(event, CLOSE_KEY)) this.close(view);
      else this.bringNextToFront();
    } else if (event.altKey && !event.shiftKey) {
      // As on the desktop, an access key is Alt and its letter alone: Alt+Shift+letter is the
      // browser's (Chromium groups tabs with it).
      const button = view.accessButton(pressedLetter(event));
      if (!button) return;
      // Also the letters the browser keeps for itself, such as Alt+F for its menu.
      event.preventDefault();
      button.element.click();
    }
  }
}
