// The served folder's files, kept for use without a network. release.js, written by the build,
// lists the files of this release with their SHA-256 hashes; a changed folder changes it, and so
// brings a new worker with a cache of its own, named after the release's version.
//
// A host may cache the files for minutes or days, so the worker fetches them past the HTTP cache
// and keeps a file only if its bytes are the listed ones. A page is served by the worker that
// loaded it, from that worker's cache only: a new version waits until no page of the old one is
// open, or until the one page left asks for it as it reloads.

/**
 * @typedef {{version: string, files: Record<string, string>}} Release
 * @typedef {Event & {waitUntil: (work: Promise<unknown>) => void}} ExtendableEvent
 * @typedef {ExtendableEvent & {request: Request, respondWith: (answer: Promise<Response>) => void}} FetchEvent
 * @typedef {ExtendableEvent & {data: unknown, source: {id: string} | null}} ExtendableMessageEvent
 * @typedef {{
 *   importScripts: (...urls: string[]) => void,
 *   release: Release,
 *   skipWaiting: () => Promise<void>,
 *   clients: {matchAll: (options: {type: 'window', includeUncontrolled: boolean}) => Promise<{id: string}[]>},
 *   addEventListener: {
 *     (type: 'install' | 'activate', listener: (event: ExtendableEvent) => void): void,
 *     (type: 'fetch', listener: (event: FetchEvent) => void): void,
 *     (type: 'message', listener: (event: ExtendableMessageEvent) => void): void,
 *   },
 * }} WorkerScope
 */

const worker = /** @type {WorkerScope} */ (/** @type {unknown} */ (self));
worker.importScripts('release.js');
const release = worker.release;
const PREFIX = 'operazioni-in-vertola-';
const CACHE = PREFIX + release.version;
// The folder the worker serves, which the release's paths are relative to.
const BASE = new URL('./', location.href);
const TAKE_OVER = 'take-over';

/** @param {ArrayBuffer} bytes */
async function sha256(bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
  return [...digest].map((byte) => byte.toString(16).padStart(2, '0')).join('');
}

/**
 * A file of the release from the server itself, never from an HTTP cache, if its bytes are the
 * listed ones.
 * @param {string} file @param {string} hash
 */
async function fetchChecked(file, hash) {
  const response = await fetch(new URL(file, BASE), { cache: 'no-store', credentials: 'same-origin' });
  if (!response.ok) throw new Error(`${file}: ${response.status} from the server`);
  const bytes = await response.arrayBuffer();
  if (await sha256(bytes) !== hash) throw new Error(`${file}: not the bytes of release ${release.version}`);
  // Only the type goes with the bytes: a host's Content-Encoding and Content-Length would describe
  // the compressed body on the wire, not the bytes kept.
  const type = response.headers.get('Content-Type');
  return new Response(bytes, { headers: type ? { 'Content-Type': type } : {} });
}

// Every file or none: the cache is written only once every file has come and matched, and a cache
// left half written by a failure is removed, so that the install fails and the version in use stays.
async function keepRelease() {
  const existed = await caches.has(CACHE);
  try {
    const files = await Promise.all(Object.entries(release.files).map(async ([file, hash]) =>
      /** @type {[string, Response]} */ ([file, await fetchChecked(file, hash)])));
    const cache = await caches.open(CACHE);
    await Promise.all(files.flatMap(([file, response]) => file === 'index.html'
      ? [cache.put(BASE, response.clone()), cache.put(new URL(file, BASE), response)]
      : [cache.put(new URL(file, BASE), response)]));
  } catch (error) {
    if (!existed) await caches.delete(CACHE);
    throw error;
  }
}

worker.addEventListener('install', (event) => event.waitUntil(keepRelease()));

// By now no page runs on an older version: their caches go.
worker.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    .filter((name) => name.startsWith(PREFIX) && name !== CACHE).map((name) => caches.delete(name)))));
});

/** @param {Request} request */
async function answer(request) {
  const kept = await caches.match(request, { cacheName: CACHE, ignoreSearch: true });
  if (kept) return kept;
  const url = new URL(request.url);
  const file = url.pathname.startsWith(BASE.pathname) ? decodeURIComponent(url.pathname.slice(BASE.pathname.length)) || 'index.html' : '';
  const hash = release.files[file];
  // A file of this release that the cache has lost comes from the server only if it is still this
  // release's; anything else would mix two versions in one page.
  if (hash) return fetchChecked(file, hash).catch(() => Response.error());
  return fetch(request);
}

worker.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  event.respondWith(answer(request));
});

// A page that has not begun asks the waiting version to take over, then reloads onto it. Only the
// last page open may: any other would find its files served from another version's cache.
/** @param {ExtendableMessageEvent} event */
async function takeOverFor(event) {
  if (event.data !== TAKE_OVER || !event.source) return;
  const asker = event.source.id;
  const pages = await worker.clients.matchAll({ type: 'window', includeUncontrolled: true });
  if (pages.every((page) => page.id === asker)) await worker.skipWaiting();
}

worker.addEventListener('message', (event) => event.waitUntil(takeOverFor(event)));
