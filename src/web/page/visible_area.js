// The part of the page the pupil sees, which is the screen the windows stand on: the page itself,
// turned, snapped or zoomed, less what an on-screen keyboard covers. watchVisibleArea() calls back
// whenever that part changes, and only then.

/** @typedef {{width: number, height: number, top: number, left: number}} VisibleArea CSS pixels */

/** @returns {VisibleArea} */
export function visibleArea() {
  const root = document.documentElement;
  const width = root.clientWidth;
  const height = root.clientHeight;
  const view = globalThis.visualViewport;
  // An on-screen keyboard shortens only the visual viewport in Safari (and in Chrome unless a page
  // asks otherwise). A pinch also shrinks it, to magnify the page: then the page is left as it is.
  if (!view || Math.abs(view.scale - 1) > 0.01) return { width, height, top: 0, left: 0 };
  const top = Math.min(Math.max(0, Math.round(view.offsetTop)), height);
  const left = Math.min(Math.max(0, Math.round(view.offsetLeft)), width);
  return {
    width: Math.min(width - left, Math.round(view.width)),
    height: Math.min(height - top, Math.round(view.height)),
    top,
    left,
  };
}

/** @param {VisibleArea} a @param {VisibleArea} b */
export const sameSize = (a, b) => a.width === b.width && a.height === b.height;

/**
 * Calls `onChange` with the visible area each time it changes: a resize, a turn, the browser's
 * zoom, an on-screen keyboard opening or closing, or the visual viewport moved under it.
 * @param {(area: VisibleArea) => void} onChange
 */
export function watchVisibleArea(onChange) {
  let last = visibleArea();
  const look = () => {
    const now = visibleArea();
    if (sameSize(now, last) && now.top === last.top && now.left === last.left) return;
    last = now;
    onChange(now);
  };
  window.addEventListener('resize', look);
  globalThis.visualViewport?.addEventListener('resize', look);
  globalThis.visualViewport?.addEventListener('scroll', look);
}
