// A private X display for a suite's browser, and the real keyboard and clipboard on it: some
// engines treat keys sent through their automation differently from the keys a pupil presses.
import { spawn, execFile } from 'node:child_process';
import { promisify } from 'node:util';
import os from 'node:os';

const run = promisify(execFile);

/** Starts Xvfb on the first free display; it stops with `close` or with this process. */
export async function startDisplay() {
  /** @type {import('node:child_process').ChildProcess | null} */
  let clipboard = null;
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp', '-noreset'],
    { stdio: ['ignore', 'ignore', 'pipe', 'pipe'] });
  // Whatever ends the suite ends its display, and with it every X client left on it; a signal
  // is turned into an exit so that every suite's own exit handlers run too.
  const stopOnExit = () => { clipboard?.kill('SIGKILL'); xvfb.kill('SIGKILL'); };
  process.once('exit', stopOnExit);
  for (const signal of ['SIGINT', 'SIGTERM', 'SIGHUP']) {
    if (!process.listenerCount(signal)) process.once(signal, () => process.exit(128 + os.constants.signals[signal]));
  }
  let errors = '';
  xvfb.stderr.on('data', (chunk) => { errors += chunk; });
  const number = await new Promise((resolve, reject) => {
    let said = '';
    const timer = setTimeout(() => reject(new Error(`Xvfb gave no display in 10 s: ${errors}`)), 10_000);
    xvfb.stdio[3].on('data', (chunk) => {
      said += chunk;
      if (said.includes('\n')) { clearTimeout(timer); resolve(said.trim()); }
    });
    xvfb.once('exit', (code) => { clearTimeout(timer); reject(new Error(`Xvfb ended (${code}): ${errors}`)); });
  });
  const display = `:${number}`;
  const env = { ...process.env, DISPLAY: display };
  const xdotool = (...args) => run('xdotool', args, { env });
  const dropClipboard = () => { clipboard?.kill('SIGKILL'); clipboard = null; };
  return {
    display,
    env,
    /** A real click just inside the bottom left corner of the newest window of that class. */
    async clickWindowCorner(name) {
      const window = (await xdotool('search', '--sync', '--onlyvisible', '--class', name)).stdout.trim().split('\n').at(-1);
      const geometry = (await xdotool('getwindowgeometry', '--shell', window)).stdout;
      const height = Number(/HEIGHT=(\d+)/.exec(geometry)?.[1]);
      await xdotool('mousemove', '--window', window, '--sync', '4', String(height - 4), 'click', '1');
    },
    /** Real key presses, as xdotool names them: 'shift+Tab', 'ctrl+v', 'Return'. */
    keys: (...keys) => xdotool('key', '--clearmodifiers', '--delay', '0', ...keys),
    type: (text) => xdotool('type', '--clearmodifiers', '--delay', '1', text),
    /** Holds `text` as the clipboard's content until the next call or `close`. */
    async holdClipboard(text) {
      dropClipboard();
      const owner = spawn('xclip', ['-selection', 'clipboard', '-quiet'], { env, stdio: ['pipe', 'ignore', 'pipe'] });
      clipboard = owner;
      await new Promise((resolve, reject) => {
        owner.once('error', reject);
        owner.stdin.end(text, resolve);
      });
      // xclip says it is waiting once it owns the selection.
      await new Promise((resolve, reject) => {
        const timer = setTimeout(() => reject(new Error('xclip did not take the clipboard in 5 s')), 5_000);
        let said = '';
        owner.stderr.on('data', (chunk) => {
          said += chunk;
          if (/Waiting/i.test(said)) { clearTimeout(timer); resolve(undefined); }
        });
      });
    },
    async close() {
      dropClipboard();
      process.removeListener('exit', stopOnExit);
      if (xvfb.exitCode !== null) return;
      const ended = new Promise((resolve) => xvfb.once('exit', resolve));
      xvfb.kill('SIGTERM');
      await ended;
    },
  };
}
