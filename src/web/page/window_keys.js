// The keys a window manager gives a pupil without a mouse, which the browser keeps for itself
// (Alt+F4, Alt+Tab): the page gives its own. One closes the front window as its close box does;
// the other sends the front window behind the others, as Alt+Esc does on a desktop, so that the
// next one comes to the front and pressing it again visits every window in turn. Neither is a key
// the program uses (Alt with a letter, Esc, Enter, Tab), nor one that Chrome, Edge, Firefox,
// Safari or ChromeOS keeps for itself. Like the access keys they go by the key's place.

/** @typedef {{code: string, name: string}} WindowKey name: as aria-keyshortcuts names it */

/** @type {WindowKey} */
export const CLOSE_KEY = { code: 'Period', name: 'Alt+.' };
/** @type {WindowKey} */
export const NEXT_KEY = { code: 'Comma', name: 'Alt+,' };

/** @param {KeyboardEvent} event @param {WindowKey} key */
export const pressed = (event, key) => event.code === key.code && event.altKey && !event.shiftKey && !event.ctrlKey && !event.metaKey;
