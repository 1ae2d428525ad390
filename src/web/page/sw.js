// The served folder's files, kept for use without a network. The build writes the folder's content
// hash and its file list below, so each new folder is a new worker with a cache of its own.

const VERSION = 'unbuilt';
/** @type {string[]} */
const FILES = [];

/**
 * @typedef {Event & {waitUntil: (work: Promise<unknown>) => void}} ExtendableEvent
 * @typedef {ExtendableEvent & {request: Request, respondWith: (answer: Promise<Response>) => void}} FetchEvent
 * @typedef {{
 *   skipWaiting: () => Promise<void>,
 *   clients: {claim: () => Promise<void>},
 *   addEventListener: {
 *     (type: 'install' | 'activate', listener: (event: ExtendableEvent) => void): void,
 *     (type: 'fetch', listener: (event: FetchEvent) => void): void,
 *   },
 * }} WorkerScope
 */

const worker = /** @type {WorkerScope} */ (/** @type {unknown} */ (self));
const PREFIX = 'operazioni-in-vertola-';
const CACHE = PREFIX + VERSION;

worker.addEventListener('install', (event) => {
  // Every file or none: a half-kept folder would fail offline at the first missing drawing.
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => worker.skipWaiting()));
});

worker.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(PREFIX) && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => worker.clients.claim()));
});

worker.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((kept) => kept ?? fetch(request)));
});
