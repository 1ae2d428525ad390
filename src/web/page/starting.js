// What the pupil sees while the program's files come: the menu as soon as it can be drawn, a word
// that the program is loading if the core is slow, and a sentence that says what went wrong, with
// a way to try again, if it does not come. index.html holds the sentence for a page whose script
// never came; this module hides it at once, and uses it for the others.

// The faces of the first window are waited for this long at most: past it, the menu shows in the
// fallback faces and the late ones swap in when they come.
export const FACE_WAIT_MS = 1500;
export const LOADING_AFTER_MS = 3000;
export const GIVE_UP_AFTER_MS = 30000;

export const SAYS = {
  notArrived: 'I file del programma non sono arrivati dal server: la connessione è lenta o interrotta. Controlla la connessione, poi riprova.',
  damaged: 'Il file del programma arrivato dal server è danneggiato o incompleto. Riprova; se succede ancora, avvisa chi cura il sito.',
  noWebAssembly: 'Questo browser non esegue WebAssembly, che serve al programma: aggiornalo o apri il programma con un altro browser.',
  stopped: 'Il programma si è fermato per un errore mentre partiva. Riprova; se succede ancora, avvisa chi cura il sito.',
};

/**
 * The work's result, or nothing once the time is up, whichever comes first.
 * @template T @param {Promise<T>} work @param {number} ms @returns {Promise<T | undefined>}
 */
export const atMost = (work, ms) => Promise.race([work, new Promise((resolve) => setTimeout(() => resolve(undefined), ms))]);

/** An error met while the program's files came: why they cannot run. @param {unknown} error */
export function whyNotLoaded(error) {
  if (typeof WebAssembly !== 'object') return SAYS.noWebAssembly;
  return error instanceof WebAssembly.CompileError ? SAYS.damaged : SAYS.notArrived;
}

export class StartWatch {
  /** @param {{desk: HTMLElement, loading: HTMLElement, failed: HTMLElement, failedText: HTMLElement}} parts */
  constructor(parts) {
    this.parts = parts;
    // Set once a sentence says why the program cannot start, rather than that its core is late.
    this.told = false;
    parts.failed.hidden = true;
    this.timers = [
      setTimeout(() => { parts.loading.hidden = false; }, LOADING_AFTER_MS),
      setTimeout(() => this.fail(SAYS.notArrived, false), GIVE_UP_AFTER_MS),
    ];
  }

  /**
   * The sentence in place of the windows, which cannot answer yet.
   * @param {string} says @param {boolean} [final] false while the core may still come
   */
  fail(says, final = true) {
    this.told ||= final;
    for (const timer of this.timers) clearTimeout(timer);
    const { desk, loading, failed, failedText } = this.parts;
    failedText.textContent = says;
    loading.hidden = true;
    desk.hidden = true;
    failed.hidden = false;
  }

  // A core that comes after the sentence still starts the program: the windows come back.
  done() {
    for (const timer of this.timers) clearTimeout(timer);
    const { desk, loading, failed } = this.parts;
    loading.hidden = true;
    failed.hidden = true;
    desk.hidden = false;
  }
}
