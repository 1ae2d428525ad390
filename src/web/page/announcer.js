// What a screen reader hears of what an event changed before a sighted pupil's eyes. A reader
// reads a window as the pupil moves through it, but not what changes by itself: the page tells it
// through one live region of its own, hidden from sight. Each event's sentences come as new
// elements, so that the same words again (a second wrong answer) are read again.

/** @typedef {import('./control.js').Control} Control */
/** @typedef {import('./window.js').WindowView} WindowView */

export class Announcer {
  constructor() {
    this.region = document.createElement('div');
    this.region.className = 'announcer';
    this.region.setAttribute('aria-live', 'assertive');
    this.region.setAttribute('aria-atomic', 'false');
    this.region.setAttribute('aria-relevant', 'additions');
    document.body.append(this.region);
  }

  /** @param {string[]} sentences */
  say(sentences) {
    if (sentences.length === 0) return;
    this.region.replaceChildren(...sentences.map((sentence) => {
      const element = document.createElement('p');
      element.textContent = sentence;
      return element;
    }));
  }
}

/**
 * What is read out of a window that stayed shown through an event: the label the core announces
 * (the feedback message) first, whenever the core sets it, then the other labels the event
 * changed or showed, in the window's reading order (a new operation after the praise); a bare
 * value is read with the label that tells what it is ("Risposte giuste: 1").
 * @param {WindowView} view
 * @param {Control[]} seen the window's labels the event changed or showed, in reading order
 */
export function heardIn(view, seen) {
  const readWithValue = new Set(seen.map((control) => control.design.labelledBy).filter((name) => name));
  const sentences = [];
  for (const control of [...seen.filter((c) => c.design.announced), ...seen.filter((c) => !c.design.announced)]) {
    const text = control.shownText ?? '';
    if (control.element.hidden || !text || readWithValue.has(control.design.name)) continue;
    const label = control.design.labelledBy ? view.control(control.design.labelledBy) : undefined;
    sentences.push(label?.shownText ? `${label.shownText} ${text}` : text);
  }
  return sentences;
}
