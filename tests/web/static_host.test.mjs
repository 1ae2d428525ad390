// The compressed static host the Lighthouse run serves the folder with: it must hand the browser
// the very bytes of each file, in the encoding the browser asked for, or the audit measures
// something else.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, mkdirSync, rmSync, writeFileSync } from 'node:fs';
import { request } from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { brotliDecompressSync, gunzipSync } from 'node:zlib';
import { chooseEncoding, host } from '../../src/web/static_host.mjs';

const choices = [
  ['gzip, deflate, br, zstd', 'br'],
  ['gzip', 'gzip'],
  ['br;q=0, gzip;q=0.5', 'gzip'],
  ['*', 'br'],
  ['*;q=0, gzip', 'gzip'],
  ['identity', null],
  ['', null],
  [undefined, null],
];
for (const [accepted, chosen] of choices) {
  test(`Accept-Encoding "${accepted}" gets ${chosen}`, () => assert.equal(chooseEncoding(accepted), chosen));
}

const get = (url, headers = {}) => new Promise((resolve, reject) => {
  request(url, { headers }, (response) => {
    const chunks = [];
    response.on('data', (chunk) => chunks.push(chunk));
    response.on('end', () => resolve({ status: response.statusCode, headers: response.headers, body: Buffer.concat(chunks) }));
  }).on('error', reject).end();
});
const decode = { br: brotliDecompressSync, gzip: gunzipSync, undefined: (body) => body };

test('each file comes back byte for byte whatever the encoding, fonts as they are, nothing from outside', async () => {
  const dir = mkdtempSync(path.join(os.tmpdir(), 'vertola-host-'));
  mkdirSync(path.join(dir, 'web', 'fonts'), { recursive: true });
  const page = Buffer.from(`<!doctype html><title>x</title>${'<p>è 𐀀</p>'.repeat(500)}`);
  const font = Buffer.from([0x77, 0x4f, 0x46, 0x32, 0, 1, 2, 3]);
  writeFileSync(path.join(dir, 'web', 'index.html'), page);
  writeFileSync(path.join(dir, 'web', 'fonts', 'a.woff2'), font);
  writeFileSync(path.join(dir, 'secret.txt'), 'no');
  const site = await host(path.join(dir, 'web'), 0);
  try {
    for (const encoding of ['br', 'gzip', undefined]) {
      const { status, headers, body } = await get(site.url, encoding ? { 'accept-encoding': encoding } : {});
      assert.deepEqual([status, headers['content-encoding'], headers['content-type']], [200, encoding, 'text/html; charset=utf-8']);
      assert.ok(encoding ? body.length < page.length / 10 : true, `${encoding}: ${body.length} bytes`);
      assert.deepEqual(decode[String(encoding)](body), page);
    }
    const fontAnswer = await get(`${site.url}fonts/a.woff2`, { 'accept-encoding': 'br' });
    assert.deepEqual([fontAnswer.headers['content-encoding'], fontAnswer.body], [undefined, font]);
    const first = await get(site.url, { 'accept-encoding': 'br' });
    assert.equal((await get(site.url, { 'if-none-match': first.headers.etag })).status, 304);
    assert.equal((await get(`${site.url}..%2fsecret.txt`)).status, 404);
  } finally {
    await site.close();
    rmSync(dir, { recursive: true, force: true });
  }
});
