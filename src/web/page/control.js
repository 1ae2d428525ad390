// One control of a window: the element built from its table row, and what of the core's state it
// shows. apply() is given only what the core changed, and touches the element only where that
// differs from what it shows, so that typing is not disturbed. A cell's text is never read back
// nor written unless the core set it: what the pupil typed stays exactly as typed.

import { accessLetter, showCaption } from './caption.js';
import { firstLook } from './first_look.js';
import { applyFont, assetUrl, cssColour, place, px } from './units.js';

/** @typedef {import('./types.js').ControlSpec} ControlSpec */
/** @typedef {import('./types.js').ControlState} ControlState */

/** @param {ControlSpec} design */
function createLabel(design) {
  const label = document.createElement('div');
  label.className = 'label';
  label.style.textAlign = design.align.toLowerCase();
  return label;
}

/** @param {ControlSpec} design */
function createButton(design) {
  const button = document.createElement('button');
  button.type = 'button';
  button.className = design.back ? 'button coloured' : 'button';
  if (design.tooltip) button.title = design.tooltip;
  const letter = accessLetter(design.caption);
  if (letter) button.setAttribute('aria-keyshortcuts', `Alt+${letter.toUpperCase()}`);
  // The desktop program names some buttons more fully than their caption ("1 cifra").
  if (design.accessibleName) button.setAttribute('aria-label', design.accessibleName);
  return button;
}

// The drawings the page carries are drawn inline; the others are images from the folder.
/** @param {string} picture @returns {SVGSVGElement | null} */
function inlineDrawing(picture) {
  const markup = firstLook?.drawings[picture];
  if (!markup) return null;
  const holder = document.createElement('div');
  holder.innerHTML = markup;
  return /** @type {SVGSVGElement} */ (holder.firstElementChild);
}

/** @param {ControlSpec} design */
function createPictureButton(design) {
  const button = createButton(design);
  button.setAttribute('aria-label', design.accessibleName);
  const side = design.iconSide;
  const drawing = inlineDrawing(design.picture);
  if (drawing) {
    drawing.setAttribute('width', String(side));
    drawing.setAttribute('height', String(side));
    button.append(drawing);
    return button;
  }
  const image = document.createElement('img');
  image.src = assetUrl(design.picture);
  image.alt = '';
  image.width = side;
  image.height = side;
  button.append(image);
  return button;
}

/** @param {ControlSpec} design */
function createTextBox(design) {
  const input = document.createElement('input');
  input.type = 'text';
  input.className = 'cell';
  input.autocomplete = 'off';
  input.spellcheck = false;
  input.setAttribute('autocapitalize', 'off');
  // A tablet offers its digit keys first; every other key stays at hand, as the core reads it all.
  input.inputMode = 'numeric';
  if (design.accessibleName) input.setAttribute('aria-label', design.accessibleName);
  input.style.textAlign = design.align.toLowerCase();
  return input;
}

/** @param {ControlSpec} design */
function createLine(design) {
  const line = document.createElement('div');
  line.className = 'line';
  line.setAttribute('aria-hidden', 'true');
  // A line's rect has one extent of 0; it is drawn one pixel thick across that extent.
  line.style.width = `${Math.max(1, px(design.rect[2]))}px`;
  line.style.height = `${Math.max(1, px(design.rect[3]))}px`;
  return line;
}

/** @param {ControlSpec} design */
function createPicture(design) {
  const drawing = inlineDrawing(design.picture);
  if (drawing) {
    const picture = document.createElement('div');
    picture.className = 'picture';
    picture.setAttribute('role', 'img');
    picture.setAttribute('aria-label', design.accessibleName);
    picture.append(drawing);
    return picture;
  }
  const image = document.createElement('img');
  image.className = 'picture';
  // A missing drawing leaves the box empty.
  if (design.picture) image.src = assetUrl(design.picture);
  image.alt = design.accessibleName;
  return image;
}

/** @param {ControlSpec} design @returns {HTMLElement} */
function createElement(design) {
  switch (design.kind) {
    case 'Label': return createLabel(design);
    case 'Button': return createButton(design);
    case 'PictureButton': return createPictureButton(design);
    case 'TextBox': return createTextBox(design);
    case 'Line': return createLine(design);
    case 'Picture': return createPicture(design);
  }
}

export class Control {
  /** @param {ControlSpec} design */
  constructor(design) {
    this.design = design;
    this.element = createElement(design);
    this.element.dataset.name = design.name;
    this.element.classList.add('control');
    if (design.kind === 'Line') {
      this.element.style.left = `${px(design.rect[0])}px`;
      this.element.style.top = `${px(design.rect[1])}px`;
    } else {
      place(this.element, design.rect);
      applyFont(this.element, design.font);
    }
    if (design.back) this.element.style.backgroundColor = cssColour(design.back);
    /** @type {string | null} */
    this.shownText = null;
    /** @type {string | null} */
    this.shownFore = null;
    this.apply({ name: design.name, text: design.caption, fore: design.fore, visible: design.visible });
  }

  /** The access letter of a button, lower case; "" for other controls. */
  get accessLetter() {
    return this.design.kind === 'Button' ? accessLetter(this.shownText ?? '') : '';
  }

  /**
   * @param {ControlState} state
   * @returns {boolean} whether the pupil sees it change: a new text, or the control shown; for the
   *   label the core announces, any text the core set, the same again included
   */
  apply(state) {
    let seen = false;
    if (state.text !== undefined) seen = this.applyText(state.text) || this.design.announced;
    if (state.fore !== undefined) {
      const fore = state.fore ? cssColour(state.fore) : '';
      if (fore !== this.shownFore) {
        this.shownFore = fore;
        this.element.style.color = fore;
      }
    }
    if (state.visible !== undefined && this.element.hidden === state.visible) {
      this.element.hidden = !state.visible;
      seen ||= state.visible;
    }
    return seen;
  }

  /** @param {string} text @returns {boolean} whether it shows another text now */
  applyText(text) {
    if (this.element instanceof HTMLInputElement) {
      if (this.element.value === text) return false;
      this.element.value = text;
      return true;
    }
    if (text === this.shownText) return false;
    this.shownText = text;
    if (this.design.kind === 'Label') this.element.textContent = text;
    else if (this.design.kind === 'Button') showCaption(this.element, text);
    return true;
  }
}
