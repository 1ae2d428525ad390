// What a page that is a single file carries inside itself instead of beside it: here nothing, as
// the folder holds the core and the drawings. The single file's build puts its own module here.

/**
 * @typedef {object} Embedded
 * @property {(options: {wasmBinary: Uint8Array}) => Promise<any>} createVertola the core's glue
 * @property {Uint8Array} wasmBinary the core
 * @property {Record<string, string>} drawings data: URLs by drawing name
 */

/** @type {Embedded | null} */
export const embedded = null;
