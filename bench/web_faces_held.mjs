// The browser edition's start with its faces served and with every face held forever: when the
// main menu shows and when the core is asked for, from the start of the navigation, in headless
// Chromium. `node bench/web_faces_held.mjs [folder] [runs]` after `make web`.
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serve } from '../src/web/serve.mjs';
import { named, readLayouts } from './web_layouts.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const folder = process.argv[2] ?? path.join(here, '../build/web');
const runs = Number(process.argv[3] ?? 5);
const args = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking'];

const server = await serve(folder, 0);
const mainMenu = named(await readLayouts(server.url, args), 'MainMenu');
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args });
try {
  for (const held of [false, true]) {
    const menu = [];
    const core = [];
    for (let run = 0; run < runs; run++) {
      const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
      const page = await context.newPage();
      if (held) await page.route('**/fonts/*.woff2', () => undefined);
      const start = Date.now();
      const coreAsked = page.waitForRequest((request) => request.url().endsWith('/vertola_core.wasm'), { timeout: 60_000 })
        .then(() => Date.now() - start);
      await page.goto(server.url, { waitUntil: 'commit' });
      await page.locator(`[role="dialog"][data-name="${mainMenu}"]`).waitFor({ timeout: 60_000 });
      menu.push(Date.now() - start);
      core.push(await coreAsked);
      await context.close();
    }
    console.log(`${held ? 'every face held' : 'faces served   '}: menu shown at ${menu.join(', ')} ms; core asked for at ${core.join(', ')} ms`);
  }
} finally {
  await browser.close();
  await server.close();
}
