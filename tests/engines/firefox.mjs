// Firefox ESR, Debian's, driven over WebDriver BiDi by puppeteer-core, which downloads no browser.
import puppeteer from 'puppeteer-core';

/** @param {{ env: NodeJS.ProcessEnv }} display @returns {Promise<import('./smoke.mjs').Engine>} */
export async function launchFirefox(display) {
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: '/usr/bin/firefox-esr',
    headless: false,
    env: { ...display.env, PUPPETEER_SKIP_DOWNLOAD: '1' },
    args: ['--width=1100', '--height=900'],
    // The browser's own checks for updates, add-ons and news are no part of the page.
    extraPrefsFirefox: { 'app.update.enabled': false, 'browser.shell.checkDefaultBrowser': false },
  });
  try {
    const page = (await browser.pages())[0] ?? await browser.newPage();
    // Each test starts afresh from a page that may hold a lesson, which asks before it is left: the
    // answer is to leave, as WebKitWebDriver gives it by itself.
    page.on('dialog', (dialog) => { if (dialog.type() === 'beforeunload') dialog.accept().catch(() => {}); });
    return {
      windowClass: 'firefox',
      goto: async (url) => { await page.goto(url, { waitUntil: 'load' }); },
      reload: async () => { await page.reload({ waitUntil: 'load' }); },
      evaluate: (fn, ...args) => page.evaluate(/** @type {any} */ (fn), ...args),
      click: (selector) => page.click(selector),
      close: () => browser.close(),
    };
  } catch (error) {
    await browser.close();
    throw error;
  }
}
