// The frame the page draws around a window's client area: a border and a caption bar with the
// program's icon, the caption and a close box. Its size is fixed here, so that the core's
// centring counts it exactly.

import { assetUrl, TWIPS_PER_PIXEL } from './units.js';

const BORDER = 3;
const CAPTION_BAR = 24;
/** The caption's font, as the font loading API takes it. */
export const CAPTION_FONT = 'normal bold 9pt Arimo, sans-serif';

/** What the frame adds to a client area, in twips. */
export const FRAME_TWIPS = {
  width: 2 * BORDER * TWIPS_PER_PIXEL,
  height: (2 * BORDER + CAPTION_BAR) * TWIPS_PER_PIXEL,
};

/**
 * @param {string} caption
 * @param {() => void} onClose
 * @returns {HTMLElement}
 */
export function createFrame(caption, onClose) {
  const element = document.createElement('section');
  element.className = 'window';
  element.setAttribute('role', 'dialog');
  element.setAttribute('aria-label', caption);
  element.style.borderWidth = `${BORDER}px`;

  const bar = document.createElement('div');
  bar.className = 'caption-bar';
  bar.style.height = `${CAPTION_BAR}px`;
  bar.style.font = CAPTION_FONT;
  const icon = document.createElement('img');
  icon.className = 'icon';
  icon.src = assetUrl('icon');
  icon.alt = '';
  const title = document.createElement('span');
  title.className = 'caption';
  title.textContent = caption;
  const close = document.createElement('button');
  close.type = 'button';
  close.className = 'close-box';
  close.tabIndex = -1;
  close.setAttribute('aria-label', 'Chiudi');
  // The cross comes from the caption's own face, as every text of the page comes from the faces
  // it ships: a sign they lack sends the browser through the system's fonts, which differ from one
  // machine to the next and make the first look wait.
  close.textContent = '\u00d7';
  close.addEventListener('click', onClose);
  bar.append(icon, title, close);
  element.append(bar);
  makeDraggable(element, bar);
  return element;
}

/**
 * The caption bar moves the window, as on a desktop; the close box stays a button.
 * @param {HTMLElement} element
 * @param {HTMLElement} bar
 */
function makeDraggable(element, bar) {
  bar.addEventListener('pointerdown', (down) => {
    if (down.button !== 0 || (down.target instanceof Element && down.target.closest('.close-box'))) return;
    down.preventDefault();
    const startX = down.clientX - element.offsetLeft;
    const startY = down.clientY - element.offsetTop;
    bar.setPointerCapture(down.pointerId);
    /** @param {PointerEvent} move */
    const follow = (move) => {
      element.style.left = `${move.clientX - startX}px`;
      element.style.top = `${move.clientY - startY}px`;
    };
    const stop = () => {
      bar.removeEventListener('pointermove', follow);
      bar.removeEventListener('pointerup', stop);
      bar.removeEventListener('pointercancel', stop);
    };
    bar.addEventListener('pointermove', follow);
    bar.addEventListener('pointerup', stop);
    bar.addEventListener('pointercancel', stop);
  });
}
