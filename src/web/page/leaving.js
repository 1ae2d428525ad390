// The browser's own ways off the page, which are not the program's: Back (its button, Alt+Left, a
// swipe, a phone's back button), a reload, closing the tab. While a lesson is loaded, Back stays on
// the page and closes nothing, and the browser asks before a reload or a close; otherwise both
// leave as on any page. Nothing is kept to survive a reload: nothing about a child is stored.
//
// Back is held by an entry of the page's own in the browser's history, pushed while the pupil's
// click or key opens the lesson (Chrome's Back passes over the entry below one that a page pushed
// by itself). Back moves to the entry below it, still on this page, and the page steps forward
// onto it again. This holds on phones and tablets as well, where the question before leaving is
// no help: Safari on iPhones and iPads never asks it. The question still covers a reload and a
// closed tab in the browsers that ask it.

// The mark of the page's own entry in the history.
const HOLD = 'vertola.lesson';

const onHoldingEntry = () => history.state?.[HOLD] === true;

/** @param {BeforeUnloadEvent} event */
function askFirst(event) {
  event.preventDefault();
  // Older browsers ask only when the event is given a value; none shows it.
  event.returnValue = true;
}

export class LeavingGuard {
  constructor() {
    this.holding = false;
    // A reload keeps the entry's mark, but the page that comes holds no lesson yet.
    if (onHoldingEntry()) history.replaceState(null, '');
    window.addEventListener('popstate', () => this.settle());
  }

  /** @param {boolean} lesson whether a lesson is loaded now */
  hold(lesson) {
    if (lesson === this.holding) return;
    this.holding = lesson;
    if (lesson) {
      window.addEventListener('beforeunload', askFirst);
      if (!onHoldingEntry()) history.pushState({ [HOLD]: true }, '');
    } else {
      // Without a listener the browser keeps the page whole for Back and Forward again.
      window.removeEventListener('beforeunload', askFirst);
      if (onHoldingEntry()) history.back();
    }
  }

  // Back (or Forward) has moved between the page's two entries: the page goes where it should be.
  settle() {
    if (this.holding && !onHoldingEntry()) history.forward();
    else if (!this.holding && onHoldingEntry()) history.back();
  }
}
