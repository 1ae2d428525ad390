// A button's caption: "&" marks the access letter, which is shown underlined; "&&" shows one "&".

/**
 * @param {string} caption
 * @returns {{text: string, accessIndex: number}} accessIndex is -1 when no letter is marked
 */
export function parseCaption(caption) {
  let text = '';
  let accessIndex = -1;
  for (let i = 0; i < caption.length; ++i) {
    if (caption[i] === '&' && i + 1 < caption.length) {
      ++i;
      if (caption[i] !== '&' && accessIndex < 0) accessIndex = text.length;
    }
    text += caption[i];
  }
  return { text, accessIndex };
}

/** The access letter in lower case, or "" when the caption marks none. @param {string} caption */
export function accessLetter(caption) {
  const { text, accessIndex } = parseCaption(caption);
  return accessIndex < 0 ? '' : text[accessIndex].toLowerCase();
}

/**
 * Fills the element with the caption as shown.
 * @param {HTMLElement} element
 * @param {string} caption
 */
export function showCaption(element, caption) {
  const { text, accessIndex } = parseCaption(caption);
  if (accessIndex < 0) {
    element.textContent = text;
    return;
  }
  const letter = document.createElement('u');
  letter.textContent = text[accessIndex];
  element.replaceChildren(text.slice(0, accessIndex), letter, text.slice(accessIndex + 1));
}
