// The main menu as the core first shows it, so that the page can draw it while the core is still
// loading. The build records it from the core itself: the menu's table and the state the core
// gives at the start, with the drawings that only the menu shows and those with text, as markup
// to draw inline, and the faces of the menu's drawings' texts. A page run straight from these
// sources has none, and waits for the core.

/**
 * @typedef {object} FirstLook
 * @property {import('./types.js').WindowLayout} layout
 * @property {import('./types.js').ProgramState} state
 * @property {Record<string, string>} drawings SVG markup by drawing name: the drawings only the menu
 *   shows, and those with text, which only inline can draw in the page's faces
 * @property {string[]} faces as the font loading API takes them
 */

/** @type {FirstLook | null} */
export const firstLook = null;
