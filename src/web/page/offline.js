// The served folder keeps working without a network: a service worker keeps every file of it.
// A page opened from a disk has nothing to keep, and browsers allow no worker there anyway.

let started = false;

// A page keeps the version it was loaded with. A new version of the folder waits, once its worker
// has it all, until no page of the old one is open; a page that the pupil has not begun, and that
// is the last one open, asks for it at once and reloads onto it. So a reload brings the new
// version too: the reloaded page has not begun yet.
export function keepOffline() {
  if (!('serviceWorker' in navigator) || !/^https?:$/.test(location.protocol)) return;
  for (const kind of ['pointerdown', 'keydown']) {
    addEventListener(kind, () => { started = true; }, { capture: true, once: true });
  }
  const workers = navigator.serviceWorker;
  let asked = false;
  // Once asked, the page reloads even if the pupil began meanwhile: its files now come from the
  // new version.
  workers.addEventListener('controllerchange', () => {
    if (asked) location.reload();
  });
  /** @param {ServiceWorker} waiting */
  const ask = (waiting) => {
    if (started || !workers.controller) return;
    asked = true;
    waiting.postMessage('take-over');
  };
  /** @param {ServiceWorker | null} worker */
  const whenInstalled = (worker) => {
    if (worker?.state === 'installed') ask(worker);
    else worker?.addEventListener('statechange', () => { if (worker.state === 'installed') ask(worker); });
  };
  // The worker and the release list it imports are checked past any HTTP cache at every visit.
  workers.register('sw.js', { updateViaCache: 'none' }).then((registration) => {
    if (registration.waiting) ask(registration.waiting);
    else whenInstalled(registration.installing);
    registration.addEventListener('updatefound', () => whenInstalled(registration.installing));
  }).catch(() => undefined); // without a worker the page still runs; it only needs the network next time
}
