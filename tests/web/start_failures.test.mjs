// Whatever the network does to the program's files, the pupil sees a window or a sentence: the
// menu without its faces if they are slow, a word while the core is late, and what went wrong,
// with a way to try again, if the page's script or its core does not come.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { FACE_WAIT_MS, GIVE_UP_AFTER_MS, LOADING_AFTER_MS, SAYS } from '../../src/web/page/starting.js';
import { ctl, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();
const CORE = '**/vertola_core.wasm';
const hold = () => undefined;

/** A page of its own with its clock in the test's hands, and requests of the page's folder only. */
async function newPage() {
  const context = await shared.browser.newContext({ viewport: { width: 1024, height: 768 } });
  const page = await context.newPage();
  await page.clock.install();
  return page;
}

// The page's script has run once the sentence it hides is hidden; its timers are set by then.
const scriptRan = (page) => page.locator('#failed').waitFor({ state: 'hidden' });

async function startsAndAnswers(page) {
  await win(page, 'frmuno').waitFor();
  await ctl(page, 'frmuno', 'cmd999').click();
  await win(page, 'frm999inizio').waitFor();
}

test('faces that never come: the menu shows after a short wait, the core is fetched, and the program answers', async () => {
  const page = await newPage();
  try {
    await page.route('**/fonts/*.woff2', hold);
    const coreAsked = page.waitForRequest((request) => request.url().endsWith('/vertola_core.wasm'));
    await page.goto(shared.server.url, { waitUntil: 'commit' });
    await scriptRan(page);
    assert.equal(await win(page, 'frmuno').isVisible(), false);
    await page.clock.fastForward(FACE_WAIT_MS);
    await coreAsked;
    await startsAndAnswers(page);
  } finally {
    await page.context().close();
  }
});

// Each way the program's files can fail to come, what the page says, and how long it waits first.
const FAILURES = [
  // index.html's own sentence, shown once the browser gives up on the script.
  {
    name: 'the page\'s script missing on the server',
    url: '**/main.js',
    route: (route) => route.fulfill({ status: 404 }),
    says: SAYS.notArrived,
    noScript: true,
  },
  { name: 'the core missing on the server', url: CORE, route: (route) => route.fulfill({ status: 404 }), says: SAYS.notArrived },
  {
    name: 'the core damaged on the way',
    url: CORE,
    route: (route) => route.fulfill({ contentType: 'application/wasm', body: '<!doctype html>' }),
    says: SAYS.damaged,
  },
  { name: 'a core that never comes', url: CORE, route: hold, says: SAYS.notArrived, late: true },
];

for (const { name, url, route, says, late, noScript } of FAILURES) {
  test(`${name}: a sentence that says so, and "Riprova" starts the program once the files come`, async () => {
    const page = await newPage();
    try {
      // Only the first time: "Riprova" then finds the file there.
      await page.route(url, route, { times: 1 });
      await page.goto(shared.server.url, { waitUntil: noScript ? 'load' : 'commit' });
      const failed = page.locator('#failed');
      if (!noScript) await scriptRan(page);
      if (late) {
        await win(page, 'frmuno').waitFor();
        await page.clock.fastForward(LOADING_AFTER_MS);
        await page.getByRole('status').filter({ hasText: 'Caricamento del programma…' }).waitFor();
        assert.equal(await failed.isVisible(), false);
        await page.clock.fastForward(GIVE_UP_AFTER_MS - LOADING_AFTER_MS);
      }
      await failed.waitFor();
      assert.equal(await page.locator('#failed-text').textContent(), says);
      assert.equal(await win(page, 'frmuno').isVisible(), false);
      await page.getByRole('link', { name: 'Riprova' }).click();
      await startsAndAnswers(page);
    } finally {
      await page.context().close();
    }
  });
}
