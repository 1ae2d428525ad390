// Tab walks a window's shown controls in its table's order, round the window; Shift+Tab walks back.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { focusedName, openProgram, openWindow, readLayouts, useBrowser } from './support/program.mjs';

const shared = useBrowser();

test('Tab follows each window\'s tab order', async (t) => {
  const layouts = await readLayouts(await openProgram(shared));
  for (const name of layouts.keys()) {
    await t.test(name, async () => {
      const page = await openProgram(shared);
      await openWindow(page, name);
      const order = await page.evaluate(([window, names]) => names.filter((c) =>
        document.querySelector(`[data-name="${window}"] [data-name="${c}"]`).checkVisibility()), [name, layouts.get(name).tabOrder]);
      const start = order.indexOf(await focusedName(page));
      assert.notEqual(start, -1);
      const walked = [];
      for (const _ of order) walked.push(await page.keyboard.press('Tab').then(() => focusedName(page)));
      assert.deepEqual(walked, [...order.slice(start + 1), ...order.slice(0, start + 1)]);
      await page.keyboard.press('Shift+Tab');
      assert.equal(await focusedName(page), order.at(start - 1));
    });
  }
});
