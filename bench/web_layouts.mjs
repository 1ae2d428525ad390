// The windows' tables as the served folder's core gives them, for the browser benches: a window is
// found by its row (its unit and level) and reached by the menu buttons the rows name, as the
// browser tests do (tests/web/support/rows.mjs).
import { chromium } from 'playwright-core';
import { named, wayTo } from '../tests/web/support/rows.mjs';

export { named };

/**
 * The tables by window name, read through the core's bridge in a page of their own.
 * @param {string} url the served folder
 * @param {string[]} args the browser's flags
 * @returns {Promise<Map<string, any>>}
 */
export async function readLayouts(url, args) {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args });
  try {
    const page = await browser.newPage();
    await page.goto(url);
    /** @type {any[]} */
    const all = await page.evaluate(async () => {
      // @ts-ignore: the folder's own module, served beside the page
      const core = await (await import('./vertola_core.mjs')).default();
      return JSON.parse(core.cwrap('vt_layouts', 'string', [])());
    });
    return new Map(all.map((layout) => [layout.name, layout]));
  } finally {
    await browser.close();
  }
}

/**
 * The menu buttons, as selectors, that lead from the main menu to a window.
 * @param {Map<string, any>} layouts @param {string} name @returns {string[]}
 */
export function way(layouts, name) {
  return wayTo(layouts, name).map((click) => {
    const [window, button] = click.split('.');
    return `[data-name="${window}"] [data-name="${button}"]`;
  });
}
