// Lighthouse on the served folder, as a phone and as a desktop: the four categories' scores, the
// main metrics and every scored audit short of full marks, with the folder served compressed as a
// static host serves it, in Debian's chromium. `node src/web/lighthouse.mjs [folder] [reports]`
// also keeps each full report as JSON in the reports folder (build/lighthouse by default).
import { spawn } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import lighthouse, { desktopConfig } from 'lighthouse';
import { host } from './static_host.mjs';

const CHROME = process.env.CHROME_PATH ?? '/usr/bin/chromium';
// Headless, and none of the browser's own traffic (updates, sync, safe browsing, field trials) in
// the page's figures.
const FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
  '--disable-sync', '--disable-default-apps', '--disable-extensions', '--disable-client-side-phishing-detection',
  '--disable-domain-reliability', '--disable-field-trial-config', '--metrics-recording-only', '--no-first-run',
  '--no-default-browser-check', '--mute-audio', '--password-store=basic', '--disable-background-timer-throttling',
  '--disable-renderer-backgrounding', '--disable-backgrounding-occluded-windows'];
const METRICS = [
  ['first-contentful-paint', 'FCP'], ['largest-contentful-paint', 'LCP'], ['total-blocking-time', 'TBT'],
  ['cumulative-layout-shift', 'CLS'], ['speed-index', 'Speed Index'], ['interactive', 'TTI'],
];

/** Debian's chromium with its DevTools port open; ends with `close` or with this process. */
async function launchChromium() {
  const profile = mkdtempSync(path.join(os.tmpdir(), 'vertola-lighthouse-'));
  const chrome = spawn(CHROME, [...FLAGS, '--remote-debugging-port=0', `--user-data-dir=${profile}`, 'about:blank'],
    { stdio: ['ignore', 'ignore', 'pipe'] });
  const killOnExit = () => chrome.kill('SIGKILL');
  process.once('exit', killOnExit);
  const close = async () => {
    process.removeListener('exit', killOnExit);
    if (chrome.exitCode === null && chrome.signalCode === null) {
      const ended = new Promise((resolve) => chrome.once('exit', resolve));
      chrome.kill('SIGTERM');
      await ended;
    }
    rmSync(profile, { recursive: true, force: true });
  };
  try {
    const port = await new Promise((resolve, reject) => {
      let said = '';
      const timer = setTimeout(() => reject(new Error(`chromium opened no DevTools port in 30 s: ${said}`)), 30_000);
      chrome.stderr.on('data', (chunk) => {
        said += chunk;
        const found = /DevTools listening on ws:\/\/[^:]+:(\d+)\//.exec(said);
        if (found) { clearTimeout(timer); resolve(Number(found[1])); }
      });
      chrome.once('exit', (code) => { clearTimeout(timer); reject(new Error(`chromium ended (${code}): ${said}`)); });
    });
    return { port, close };
  } catch (error) {
    await close();
    throw error;
  }
}

/** The scores, metrics and scored audits short of 1 from one report. @param {import('lighthouse').Result} lhr */
function summary(lhr) {
  const scores = Object.fromEntries(Object.values(lhr.categories).map((c) => [c.title, Math.round((c.score ?? 0) * 100)]));
  const metrics = Object.fromEntries(METRICS.map(([id, name]) => [name, lhr.audits[id]?.displayValue ?? '-']));
  const scored = new Set(Object.values(lhr.categories).flatMap((c) => c.auditRefs.filter((r) => r.weight > 0).map((r) => r.id)));
  const short = Object.values(lhr.audits)
    .filter((a) => typeof a.score === 'number' && a.score < 1 && (scored.has(a.id) || a.scoreDisplayMode === 'binary'))
    .map((a) => `${a.id} (${a.score}${a.displayValue ? `, ${a.displayValue}` : ''}): ${a.title}`);
  return { scores, metrics, short };
}

const folder = process.argv[2] ?? 'build/web';
const reports = process.argv[3] ?? 'build/lighthouse';
// Performance moves by a few points from run to run on a busy machine: the median run is shown,
// as Lighthouse's own advice has it, with the range of the runs.
const runs = Math.max(1, Number(process.env.LIGHTHOUSE_RUNS ?? 3));
mkdirSync(reports, { recursive: true });
const served = await host(folder, 0);
const chrome = await launchChromium();
let failed = false;
try {
  /** @type {[string, import('lighthouse').Config | undefined][]} */
  const setups = [['mobile', undefined], ['desktop', desktopConfig]];
  for (const [name, config] of setups) {
    const done = [];
    for (let run = 0; run < runs; run++) {
      const result = await lighthouse(served.url, { port: chrome.port, output: 'json', logLevel: 'error' }, config);
      if (!result) throw new Error(`Lighthouse gave no ${name} report`);
      if (result.lhr.runtimeError) {
        failed = true;
        console.log(`Lighthouse ${name}: ${result.lhr.runtimeError.code}: ${result.lhr.runtimeError.message}`);
        continue;
      }
      done.push(result.lhr);
    }
    if (!done.length) continue;
    const performance = (/** @type {import('lighthouse').Result} */ lhr) => lhr.categories.performance.score ?? 0;
    done.sort((a, b) => performance(a) - performance(b));
    const lhr = done[Math.floor((done.length - 1) / 2)];
    writeFileSync(path.join(reports, `${name}.json`), JSON.stringify(lhr));
    const { scores, metrics, short } = summary(lhr);
    const range = done.length > 1 ? ` (performance ${done.map((r) => Math.round(performance(r) * 100)).join(', ')} in ${done.length} runs; the median shown)` : '';
    console.log(`Lighthouse ${lhr.lighthouseVersion}, ${name}, ${lhr.environment.hostUserAgent.match(/Chrome\/[\d.]+/)?.[0]}, served compressed${range}:`);
    console.log(`  ${Object.entries(scores).map(([title, score]) => `${title} ${score}`).join(', ')}`);
    console.log(`  ${Object.entries(metrics).map(([metric, value]) => `${metric} ${value}`).join(', ')}`);
    for (const line of short) console.log(`  short of full marks: ${line}`);
  }
} finally {
  await chrome.close();
  await served.close();
}
if (failed) process.exitCode = 1;
