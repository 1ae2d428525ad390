// The main menu shows before the core is in: as the core draws it, where the core puts it, with its
// focus; and what the pupil does meanwhile is answered once the core is in.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { useBrowser, win } from './support/program.mjs';

const shared = useBrowser();

/** A page of its own whose core is held back until `release` is called. */
async function heldCore() {
  const context = await shared.browser.newContext({ viewport: { width: 1024, height: 768 } });
  const page = await context.newPage();
  const asked = new Promise((resolve) => context.route('**/vertola_core.wasm', resolve));
  await page.goto(shared.server.url);
  const route = await asked;
  return { page, release: () => route.continue(), close: () => context.close() };
}

// What the pupil sees of the menu: where it is, what has the focus, and its pixels.
async function menuLook(page) {
  const menu = win(page, 'frmuno');
  await menu.waitFor();
  return {
    box: await menu.boundingBox(),
    focus: await page.evaluate(() => document.activeElement?.getAttribute('data-name')),
    pixels: (await menu.screenshot()).toString('base64'),
  };
}

test('the menu shown before the core is in looks exactly as it does once the core has drawn it', async () => {
  const { page, release, close } = await heldCore();
  try {
    const early = await menuLook(page);
    await release();
    // The core registers the offline worker once it has started.
    await page.waitForFunction(async () => (await navigator.serviceWorker.getRegistration()) !== undefined);
    assert.equal(early.focus, 'cmd999');
    assert.deepEqual(await menuLook(page), early);
  } finally {
    await close();
  }
});

test('what the pupil does before the core is in is answered once it is', async () => {
  const { page, release, close } = await heldCore();
  try {
    await win(page, 'frmuno').waitFor();
    // Tab moves the focus on the page at once; Enter presses the button it reached.
    await page.keyboard.press('Tab');
    await page.keyboard.press('Enter');
    assert.equal(await page.locator('[role="dialog"]').count(), 1);
    await release();
    await win(page, 'frm9999inizio').waitFor();
    assert.deepEqual(await page.locator('[role="dialog"]:not([hidden])').evaluateAll((all) => all.map((w) => w.dataset.name)),
      ['frm9999inizio']);
  } finally {
    await close();
  }
});
