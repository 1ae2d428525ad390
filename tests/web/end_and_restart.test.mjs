// Ending the program removes every window and offers one way to start again.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ctl, openProgram, openWindow, useBrowser, win } from './support/program.mjs';

const shared = useBrowser();

const ways = [
  ['the exit button', (page) => ctl(page, 'frmuno', 'cmdesci').click()],
  ['Esc', (page) => page.keyboard.press('Escape')],
  ['the close box of the last window', (page) => win(page, 'frmuno').getByRole('button', { name: 'Chiudi' }).click()],
];

for (const [way, end] of ways) {
  test(`ended by ${way}, started again`, async () => {
    const page = await openProgram(shared);
    // Windows loaded hidden go too.
    await openWindow(page, 'frm999addizioni');
    await ctl(page, 'frm999addizioni', 'cmdfine').click();
    await ctl(page, 'frm999inizio', 'cmdesci').click();
    await end(page);
    assert.equal(await page.locator('[role="dialog"]').count(), 0);
    const restart = page.getByRole('button', { name: 'Ricomincia' });
    assert.equal(await restart.evaluate((el) => el === document.activeElement), true);
    await page.keyboard.press('Enter');
    await win(page, 'frmuno').waitFor();
    assert.equal(await restart.isHidden(), true);
    assert.deepEqual(await page.locator('[role="dialog"]').evaluateAll((all) => all.map((w) => w.dataset.name)), ['frmuno']);
    });
}
