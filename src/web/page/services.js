// The platform under the core, in a browser: the windows' timers, the beep and the screen.

import { TWIPS_PER_PIXEL } from './units.js';

/** @typedef {import('./types.js').TimerState} TimerState */
/** @typedef {import('./types.js').SizeTwips} SizeTwips */

// One repeating timer per window. The core counts every start; a new count starts the interval
// again, as the desktop's timer does when it is started while running.
export class Timers {
  /** @param {(window: string) => void} onTick */
  constructor(onTick) {
    this.onTick = onTick;
    /** @type {Map<string, {id: number, starts: number}>} */
    this.running = new Map();
  }

  /** @param {Record<string, TimerState>} timers */
  apply(timers) {
    for (const window of this.running.keys()) {
      if (!timers[window]?.running) this.stop(window);
    }
    for (const [window, timer] of Object.entries(timers)) {
      if (!timer.running || this.running.get(window)?.starts === timer.starts) continue;
      this.stop(window);
      const id = setInterval(() => this.onTick(window), timer.intervalMs);
      this.running.set(window, { id, starts: timer.starts });
    }
  }

  /** @param {string} window */
  stop(window) {
    const timer = this.running.get(window);
    if (timer) clearInterval(timer.id);
    this.running.delete(window);
  }

  stopAll() {
    for (const window of [...this.running.keys()]) this.stop(window);
  }
}

/**
 * Runs `work` in the page's next idle moment, or within 100 ms at the latest.
 * @param {() => void} work
 */
export function whenIdle(work) {
  // Safari has no idle callbacks.
  if ('requestIdleCallback' in globalThis) requestIdleCallback(work, { timeout: 100 });
  else setTimeout(work, 20);
}

// The system beep: a short, soft tone. Making an audio context takes the browser a long while
// (a quarter of a second in headless Chromium, on the main thread), so it is made ahead, in the
// first idle moment after the pupil has first done something, rather than at the first wrong
// answer, whose message would otherwise hold up whatever the pupil does next. Browsers allow
// sound only after the pupil has done something; a context made before that waits, and the first
// beep, which always follows a click or a key, lets it play.
export class Beeper {
  constructor() {
    /** @type {AudioContext | null} */
    this.context = null;
    this.prepared = false;
  }

  prepare() {
    if (this.prepared) return;
    this.prepared = true;
    whenIdle(() => this.open());
  }

  open() {
    try {
      this.context ??= new AudioContext();
    } catch {
      // A browser without sound simply stays silent.
    }
    return this.context;
  }

  /** @param {number} count */
  beep(count) {
    if (count <= 0) return;
    const context = this.open();
    if (!context) return;
    try {
      if (context.state === 'suspended') context.resume().catch(() => {});
      for (let i = 0; i < count; ++i) this.tone(context.currentTime + i * 0.2);
    } catch {
      // Nor does one whose sound is gone.
    }
  }

  /** @param {number} at */
  tone(at) {
    const context = /** @type {AudioContext} */ (this.context);
    const oscillator = context.createOscillator();
    const gain = context.createGain();
    oscillator.frequency.value = 880;
    gain.gain.setValueAtTime(0.2, at);
    gain.gain.exponentialRampToValueAtTime(0.001, at + 0.15);
    oscillator.connect(gain).connect(context.destination);
    oscillator.start(at);
    oscillator.stop(at + 0.15);
  }
}

/** The screen is the page's viewport. @returns {SizeTwips} */
export function screenSize() {
  const root = document.documentElement;
  return { width: root.clientWidth * TWIPS_PER_PIXEL, height: root.clientHeight * TWIPS_PER_PIXEL };
}
