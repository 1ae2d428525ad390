// One of the fifteen windows, built from its table: a frame around a fixed-size client area with
// the table's controls. It forwards what the pupil does and shows what apply() is given.

import { Control } from './control.js';
import { createFrame, FRAME_TWIPS, moveWhollyOnto } from './frame.js';
import { cssColour, px } from './units.js';

// WebKit keeps no more than this many characters in a field, and silently drops the rest of a
// paste that would go beyond; the page puts such a paste in itself, so that all of it is judged.
const LONGEST_FIELD = 524288;

/** @typedef {import('./types.js').WindowLayout} WindowLayout */
/** @typedef {import('./types.js').WindowState} WindowState */

/**
 * @typedef {object} WindowEvents
 * @property {(window: string, control: string) => void} click
 * @property {(window: string, control: string, text: string) => void} edit
 * @property {(window: string) => void} closeBox
 * @property {(window: string, control: string) => void} focusIn
 */

export class WindowView {
  /**
   * @param {WindowLayout} layout
   * @param {WindowEvents} events
   */
  constructor(layout, events) {
    this.layout = layout;
    /** Whether the pupil has moved the window from where the core put it. */
    this.movedByPupil = false;
    this.element = createFrame(layout.caption, () => events.closeBox(layout.name), () => { this.movedByPupil = true; });
    this.element.dataset.name = layout.name;
    this.client = document.createElement('div');
    this.client.className = 'client';
    this.client.dataset.client = '';
    this.client.style.width = `${px(layout.clientWidth)}px`;
    this.client.style.height = `${px(layout.clientHeight)}px`;
    this.client.style.backgroundColor = cssColour(layout.background);
    this.element.append(this.client);

    /** @type {Control[]} */
    this.controls = layout.controls.map((design) => new Control(design));
    this.byName = new Map(this.controls.map((control) => [control.design.name, control]));
    for (const control of this.controls) {
      this.client.append(control.element);
      this.connect(control, events);
    }
    // A screen reader reads a window in the order of its elements: a bare value right after the
    // label that tells what it is. They stand side by side, so neither is drawn over the other.
    for (const control of this.controls) {
      const label = control.design.labelledBy ? this.control(control.design.labelledBy) : undefined;
      label?.element.after(control.element);
    }
    /** The controls as a screen reader reads them. */
    this.readingOrder = [...this.client.children].map((element) => this.controlOf(element)).filter((c) => c !== undefined);
    this.setUpTabOrder();
  }

  /**
   * @param {Control} control
   * @param {WindowEvents} events
   */
  connect(control, events) {
    const window = this.layout.name;
    const name = control.design.name;
    const element = control.element;
    if (element instanceof HTMLButtonElement) element.addEventListener('click', () => events.click(window, name));
    if (element instanceof HTMLInputElement) {
      element.addEventListener('input', () => events.edit(window, name, element.value));
      element.addEventListener('paste', (event) => {
        const pasted = event.clipboardData?.getData('text/plain') ?? '';
        const from = element.selectionStart ?? element.value.length;
        const to = element.selectionEnd ?? from;
        if (element.value.length - (to - from) + pasted.length <= LONGEST_FIELD) return;
        event.preventDefault();
        // A one-line field drops line breaks from what is put in it, as the browser's own paste.
        const text = element.value.slice(0, from) + pasted.replace(/[\r\n]/g, '') + element.value.slice(to);
        const caret = text.length - (element.value.length - to);
        element.value = text;
        element.setSelectionRange(caret, caret);
        events.edit(window, name, text);
      });
    }
    element.addEventListener('focus', () => events.focusIn(window, name));
  }

  // Only the controls of the table's tab order take the focus; Tab itself is walked by tabTarget.
  setUpTabOrder() {
    for (const control of this.controls) {
      const inOrder = this.layout.tabOrder.includes(control.design.name);
      if (inOrder || control.element instanceof HTMLButtonElement || control.element instanceof HTMLInputElement) {
        control.element.tabIndex = inOrder ? 0 : -1;
      }
    }
  }

  /** @param {string} name */
  control(name) {
    return this.byName.get(name);
  }

  /** @param {Element | null} element */
  controlOf(element) {
    return this.controls.find((control) => control.element === element);
  }

  get shown() {
    return !this.element.hidden;
  }

  /**
   * @param {WindowState} state
   * @returns {Control[]} the labels whose change the pupil sees, in reading order
   */
  apply(state) {
    const seen = new Set();
    for (const change of state.controls ?? []) {
      const control = this.control(change.name);
      if (control?.apply(change) && control.design.kind === 'Label') seen.add(control);
    }
    if (state.state !== undefined) {
      const hidden = state.state !== 'shown';
      if (this.element.hidden !== hidden) this.element.hidden = hidden;
    }
    return this.readingOrder.filter((control) => seen.has(control));
  }

  /** @param {number} left @param {number} top in twips: the frame's outer corner */
  placeAt(left, top) {
    this.element.style.left = `${px(left)}px`;
    this.element.style.top = `${px(top)}px`;
  }

  /** Wholly on a desk of that size, in pixels, shown or hidden. @param {{width: number, height: number}} desk */
  moveWhollyOnto(desk) {
    const size = { width: px(this.layout.clientWidth + FRAME_TWIPS.width), height: px(this.layout.clientHeight + FRAME_TWIPS.height) };
    moveWhollyOnto(this.element, size, desk);
  }

  /** @param {string} name */
  focusControl(name) {
    // The desk never scrolls: a window stays where the core or the pupil put it. Nor does the
    // browser then lay the page out at once to find what to scroll to.
    this.control(name)?.element.focus({ preventScroll: true });
  }

  /** @param {Control} control */
  canTakeFocus(control) {
    return this.layout.tabOrder.includes(control.design.name) && !control.element.hidden;
  }

  /**
   * The control that Tab (or Shift+Tab) moves to from `from`, following the table's tab order
   * round the window, as a desktop window does.
   * @param {Control | undefined} from
   * @param {boolean} backwards
   */
  tabTarget(from, backwards) {
    const order = this.layout.tabOrder.map((name) => this.control(name)).filter((c) => c !== undefined);
    let index = from ? order.indexOf(from) : -1;
    for (let tries = 0; tries < order.length; ++tries) {
      index = index < 0 ? (backwards ? order.length - 1 : 0) : (index + (backwards ? order.length - 1 : 1)) % order.length;
      if (this.canTakeFocus(order[index])) return order[index];
    }
    return undefined;
  }

  /** The shown button whose caption marks `letter`. @param {string} letter */
  accessButton(letter) {
    return this.controls.find((control) => !control.element.hidden && control.accessLetter === letter);
  }
}
