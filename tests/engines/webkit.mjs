// WebKitGTK through Debian's WebKitWebDriver, which runs WebKitGTK's MiniBrowser in automation
// mode; spoken to in plain WebDriver over HTTP.
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';

const freePort = () => new Promise((resolve, reject) => {
  const probe = createServer().once('error', reject).listen(0, '127.0.0.1', () => {
    const { port } = /** @type {import('node:net').AddressInfo} */ (probe.address());
    probe.close(() => resolve(port));
  });
});

/** @param {{ env: NodeJS.ProcessEnv }} display @returns {Promise<import('./smoke.mjs').Engine>} */
export async function launchWebKit(display) {
  const port = await freePort();
  // A process group of its own, so that the browser and its helper processes end with it.
  const driver = spawn('WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'],
    { env: display.env, detached: true, stdio: 'ignore' });
  const killAll = () => { try { process.kill(-driver.pid, 'SIGKILL'); } catch { /* already gone */ } };
  process.once('exit', killAll);
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, route, body) => {
    const response = await fetch(base + route, {
      method, headers: { 'content-type': 'application/json' }, body: body && JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${method} ${route}: ${value?.error}: ${value?.message}`);
    return value;
  };
  const end = async () => {
    process.removeListener('exit', killAll);
    const ended = new Promise((resolve) => driver.once('exit', resolve));
    killAll();
    if (driver.exitCode === null && driver.signalCode === null) await ended;
  };
  try {
    const deadline = Date.now() + 10_000;
    for (;;) {
      const ready = await fetch(`${base}/status`).then((r) => r.ok, () => false);
      if (ready) break;
      if (Date.now() > deadline) throw new Error('WebKitWebDriver did not answer in 10 s');
      await new Promise((resolve) => setTimeout(resolve, 10));
    }
    const { sessionId } = await call('POST', '/session', {
      capabilities: { alwaysMatch: { browserName: 'MiniBrowser', timeouts: { pageLoad: 30_000, script: 30_000 } } },
    });
    const session = `/session/${sessionId}`;
    await call('POST', `${session}/window/rect`, { width: 1100, height: 900 });
    const element = async (selector) => Object.values(await call('POST', `${session}/element`, { using: 'css selector', value: selector }))[0];
    return {
      windowClass: 'MiniBrowser',
      goto: async (url) => { await call('POST', `${session}/url`, { url }); },
      reload: async () => { await call('POST', `${session}/refresh`, {}); },
      // The script's promise, if any, is awaited by the driver.
      evaluate: (fn, ...args) => call('POST', `${session}/execute/sync`, { script: `return (${fn}).apply(null, arguments);`, args }),
      click: async (selector) => { await call('POST', `${session}/element/${await element(selector)}/click`, {}); },
      close: async () => {
        await call('DELETE', session).catch(() => {});
        await end();
      },
    };
  } catch (error) {
    await end();
    throw error;
  }
}
