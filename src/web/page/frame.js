// The frame the page draws around a window's client area: a border and a caption bar with the
// program's icon, the caption and a close box. Its size is fixed here, so that the core's
// centring counts it exactly.

import { assetUrl, TWIPS_PER_PIXEL } from './units.js';
import { CLOSE_KEY } from './window_keys.js';

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
 * Where the core puts a window with this frame on a screen, for the first look, drawn before the
 * core is in; a test holds it to the core's own centring.
 * @param {import('./types.js').SizeTwips} screen
 * @param {import('./types.js').WindowLayout} layout
 */
export function centredOn(screen, layout) {
  return {
    left: (screen.width - (layout.clientWidth + FRAME_TWIPS.width)) / 2,
    top: (screen.height - (layout.clientHeight + FRAME_TWIPS.height)) / 2,
  };
}

/**
 * @param {string} caption
 * @param {() => void} onClose
 * @param {() => void} onMoved the pupil moved the window by its caption bar
 * @returns {HTMLElement}
 */
export function createFrame(caption, onClose, onMoved) {
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
  close.setAttribute('aria-keyshortcuts', CLOSE_KEY.name);
  // The cross comes from the caption's own face, as every text of the page comes from the faces
  // it ships: a sign they lack sends the browser through the system's fonts, which differ from one
  // machine to the next and make the first look wait.
  close.textContent = '\u00d7';
  close.addEventListener('click', onClose);
  bar.append(icon, title, close);
  element.append(bar);
  makeDraggable(element, bar, onMoved);
  return element;
}

/** How much of a caption bar's width stays on the desk at the least, in pixels: enough to take. */
const KEPT_WIDTH = 96;

/**
 * Puts a window at `left`, `top` (the desk's pixels), or as near as keeps its caption bar within
 * reach, as a desktop does: wholly below the desk's top and above its bottom, and at least a
 * hand's width of it across. The rest of the window may hang off the desk.
 * @param {HTMLElement} element
 * @param {number} left
 * @param {number} top
 */
export function placeWithinReach(element, left, top) {
  const desk = element.offsetParent;
  if (!(desk instanceof HTMLElement)) return;
  const width = element.offsetWidth;
  const x = Math.max(KEPT_WIDTH - width, Math.min(left, desk.clientWidth - KEPT_WIDTH));
  const y = Math.max(0, Math.min(top, desk.clientHeight - (BORDER + CAPTION_BAR)));
  element.style.left = `${x}px`;
  element.style.top = `${y}px`;
}

/** @param {HTMLElement} element */
export function keepWithinReach(element) {
  if (!element.hidden) placeWithinReach(element, element.offsetLeft, element.offsetTop);
}

/**
 * Moves a window of `size` (its frame's, in the desk's pixels) as little as it must to be wholly
 * on a desk of `desk`'s size, as a desktop moves windows onto a screen made smaller. One larger
 * than the desk keeps its caption bar and its left edge on it.
 * @param {HTMLElement} element
 * @param {{width: number, height: number}} size
 * @param {{width: number, height: number}} desk
 */
export function moveWhollyOnto(element, size, desk) {
  const left = parseFloat(element.style.left) || 0;
  const top = parseFloat(element.style.top) || 0;
  element.style.left = `${Math.max(0, Math.min(left, desk.width - size.width))}px`;
  element.style.top = `${Math.max(0, Math.min(top, desk.height - size.height))}px`;
}

/**
 * The caption bar moves the window, as on a desktop; the close box stays a button.
 * @param {HTMLElement} element
 * @param {HTMLElement} bar
 * @param {() => void} onMoved
 */
function makeDraggable(element, bar, onMoved) {
  bar.addEventListener('pointerdown', (down) => {
    if (down.button !== 0 || (down.target instanceof Element && down.target.closest('.close-box'))) return;
    const desk = element.offsetParent;
    if (!(desk instanceof HTMLElement)) return;
    down.preventDefault();
    // The desk may be drawn smaller than it is (on a small screen): the pointer's moves are
    // the desk's pixels times its scale.
    const scale = desk.getBoundingClientRect().width / desk.offsetWidth || 1;
    const startX = down.clientX / scale - element.offsetLeft;
    const startY = down.clientY / scale - element.offsetTop;
    bar.setPointerCapture(down.pointerId);
    /** @param {PointerEvent} move */
    const follow = (move) => {
      const [left, top] = [element.offsetLeft, element.offsetTop];
      placeWithinReach(element, move.clientX / scale - startX, move.clientY / scale - startY);
      if (element.offsetLeft !== left || element.offsetTop !== top) onMoved();
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
