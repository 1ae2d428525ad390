// The served folder keeps working without a network: a service worker keeps every file of it.
// A page opened from a disk has nothing to keep, and browsers allow no worker there anyway.

let started = false;

// A new version of the folder takes over as soon as its worker is ready. The page shows it at once
// if the pupil has not begun yet; otherwise the new version waits for the next visit.
export function keepOffline() {
  if (!('serviceWorker' in navigator) || !/^https?:$/.test(location.protocol)) return;
  for (const kind of ['pointerdown', 'keydown']) {
    addEventListener(kind, () => { started = true; }, { capture: true, once: true });
  }
  const replacing = navigator.serviceWorker.controller !== null;
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (replacing && !started) location.reload();
  });
  // Without a worker the page still runs; it only needs the network next time.
  navigator.serviceWorker.register('sw.js').catch(() => undefined);
}
