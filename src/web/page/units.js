// Twips, colours and fonts of the tables, as CSS sees them.

import { embedded } from './embedded.js';

/** @typedef {import('./types.js').Rgb} Rgb */
/** @typedef {import('./types.js').Font} Font */

// The core's scale, which the bridge also hands over. The page needs it before the core has
// loaded, to draw the first look, so it is written here too and a test holds the two equal.
export const TWIPS_PER_PIXEL = 15;

/** @param {number} twips */
export function px(twips) {
  return Math.round(twips / TWIPS_PER_PIXEL);
}

/** @param {Rgb} rgb */
export function cssColour(rgb) {
  return `rgb(${rgb[0]}, ${rgb[1]}, ${rgb[2]})`;
}

// The tables name the fonts of the old desktop; the page ships metric look-alikes of them.
/** @type {Record<string, string>} */
const families = {
  'MS Sans Serif': 'Arimo, sans-serif',
  'Comic Sans MS': '"Comic Neue", sans-serif',
};

/**
 * @param {HTMLElement} element
 * @param {Font} font
 */
export function applyFont(element, font) {
  element.style.fontFamily = families[font.family] ?? 'sans-serif';
  // A CSS point is 1/72 inch at 96 pixels per inch, as on the desktop.
  element.style.fontSize = `${font.points}pt`;
  element.style.fontWeight = font.bold ? 'bold' : 'normal';
  element.style.fontStyle = font.italic ? 'italic' : 'normal';
}

/**
 * @param {HTMLElement} element
 * @param {[number, number, number, number]} rect
 */
export function place(element, [left, top, width, height]) {
  element.style.left = `${px(left)}px`;
  element.style.top = `${px(top)}px`;
  element.style.width = `${px(width)}px`;
  element.style.height = `${px(height)}px`;
}

/** The CSS shorthand of a table's font, as the font loading API takes it. @param {Font} font */
export function fontShorthand(font) {
  return `${font.italic ? 'italic' : 'normal'} ${font.bold ? 'bold' : 'normal'} ${font.points}pt ${families[font.family] ?? 'sans-serif'}`;
}

/** A drawing of the tables: a file beside the page, or inside it when the page is one file. @param {string} picture */
export function assetUrl(picture) {
  return embedded?.drawings[picture] ?? `assets/${picture}.svg`;
}
