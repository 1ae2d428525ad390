// One control of a window: the element built from its table row, and what of the core's state it
// shows. apply() touches the element only where the state differs, so that typing is not disturbed.

import { accessLetter, showCaption } from './caption.js';
import { applyFont, assetUrl, cssColour, place, px } from './units.js';

/** @typedef {import('./types.js').ControlSpec} ControlSpec */
/** @typedef {import('./types.js').ControlState} ControlState */

// The feedback message is read out when it appears, as a pupil may not be looking at it.
const ANNOUNCED_LABEL = 'lblmessaggio';

/** @param {ControlSpec} spec */
function createLabel(spec) {
  const label = document.createElement('div');
  label.className = 'label';
  label.style.textAlign = spec.align.toLowerCase();
  if (spec.name === ANNOUNCED_LABEL) label.setAttribute('role', 'alert');
  return label;
}

/** @param {ControlSpec} spec */
function createButton(spec) {
  const button = document.createElement('button');
  button.type = 'button';
  button.className = spec.back ? 'button coloured' : 'button';
  if (spec.tooltip) button.title = spec.tooltip;
  const letter = accessLetter(spec.caption);
  if (letter) button.setAttribute('aria-keyshortcuts', `Alt+${letter.toUpperCase()}`);
  // The desktop program names some buttons more fully than their caption ("1 cifra").
  if (spec.accessibleName) button.setAttribute('aria-label', spec.accessibleName);
  return button;
}

/** @param {ControlSpec} spec */
function createPictureButton(spec) {
  const button = createButton(spec);
  button.setAttribute('aria-label', spec.accessibleName);
  const side = Math.max(16, Math.min(px(spec.rect[2]), px(spec.rect[3])) - 16);
  const image = document.createElement('img');
  image.src = assetUrl(spec.picture);
  image.alt = '';
  image.width = side;
  image.height = side;
  button.append(image);
  return button;
}

/** @param {ControlSpec} spec */
function createTextBox(spec) {
  const input = document.createElement('input');
  input.type = 'text';
  input.className = 'cell';
  input.autocomplete = 'off';
  input.spellcheck = false;
  input.setAttribute('autocapitalize', 'off');
  // A tablet offers its digit keys first; every other key stays at hand, as the core reads it all.
  input.inputMode = 'numeric';
  if (spec.accessibleName) input.setAttribute('aria-label', spec.accessibleName);
  input.style.textAlign = spec.align.toLowerCase();
  return input;
}

/** @param {ControlSpec} spec */
function createLine(spec) {
  const line = document.createElement('div');
  line.className = 'line';
  line.setAttribute('aria-hidden', 'true');
  // A line's rect has one extent of 0; it is drawn one pixel thick across that extent.
  line.style.width = `${Math.max(1, px(spec.rect[2]))}px`;
  line.style.height = `${Math.max(1, px(spec.rect[3]))}px`;
  return line;
}

/** @param {ControlSpec} spec */
function createPicture(spec) {
  const image = document.createElement('img');
  image.className = 'picture';
  // A missing drawing leaves the box empty.
  if (spec.picture) image.src = assetUrl(spec.picture);
  image.alt = spec.accessibleName;
  return image;
}

/** @param {ControlSpec} spec @returns {HTMLElement} */
function createElement(spec) {
  switch (spec.kind) {
    case 'Label': return createLabel(spec);
    case 'Button': return createButton(spec);
    case 'PictureButton': return createPictureButton(spec);
    case 'TextBox': return createTextBox(spec);
    case 'Line': return createLine(spec);
    case 'Picture': return createPicture(spec);
  }
}

export class Control {
  /** @param {ControlSpec} spec */
  constructor(spec) {
    this.spec = spec;
    this.element = createElement(spec);
    this.element.dataset.name = spec.name;
    this.element.classList.add('control');
    if (spec.kind === 'Line') {
      this.element.style.left = `${px(spec.rect[0])}px`;
      this.element.style.top = `${px(spec.rect[1])}px`;
    } else {
      place(this.element, spec.rect);
      applyFont(this.element, spec.font);
    }
    if (spec.back) this.element.style.backgroundColor = cssColour(spec.back);
    /** @type {string | null} */
    this.shownText = null;
    /** @type {string | null} */
    this.shownFore = null;
    this.apply({ name: spec.name, text: spec.caption, fore: spec.fore, visible: spec.visible });
  }

  /** The access letter of a button, lower case; "" for other controls. */
  get accessLetter() {
    return this.spec.kind === 'Button' ? accessLetter(this.shownText ?? '') : '';
  }

  /** @param {ControlState} state */
  apply(state) {
    this.applyText(state.text);
    const fore = state.fore ? cssColour(state.fore) : '';
    if (fore !== this.shownFore) {
      this.shownFore = fore;
      this.element.style.color = fore;
    }
    if (this.element.hidden === state.visible) this.element.hidden = !state.visible;
  }

  /** @param {string} text */
  applyText(text) {
    if (this.element instanceof HTMLInputElement) {
      if (this.element.value !== text) this.element.value = text;
      return;
    }
    if (text === this.shownText) return;
    this.shownText = text;
    if (this.spec.kind === 'Label') this.element.textContent = text;
    else if (this.spec.kind === 'Button') showCaption(this.element, text);
  }
}
