// The main menu as the core first shows it, so that the page can draw it while the core is still
// loading. The build records it from the core itself: the menu's table and the state the core
// gives at the start. A page run straight from these sources has none, and waits for the core.

/** @typedef {import('./types.js').WindowLayout} WindowLayout */
/** @typedef {import('./types.js').ProgramState} ProgramState */

/** @type {{layout: WindowLayout, state: ProgramState} | null} */
export const firstLook = null;
