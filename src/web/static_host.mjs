// The folder served as a common static host serves it: each text file (and the core) compressed
// with Brotli or gzip as the browser accepts, an ETag with 304 answers, and a ten-minute
// Cache-Control. On 127.0.0.1 only. `node src/web/static_host.mjs [folder] [port]`.
import { createHash } from 'node:crypto';
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { TYPES, fileFor, listen } from './serve.mjs';

// Fonts and pictures are compressed already; a host leaves them as they are.
const COMPRESSED = new Set(['.woff2', '.png']);

/**
 * Picks the encoding a host would send: Brotli first, then gzip, else none.
 * @param {string | undefined} accepted the request's Accept-Encoding
 */
export function chooseEncoding(accepted = '') {
  const offered = new Map(accepted.split(',').map((part) => {
    const [name, ...params] = part.trim().toLowerCase().split(';');
    const q = params.map((p) => /^\s*q=([\d.]+)/.exec(p)?.[1]).find(Boolean);
    return [name.trim(), q === undefined ? 1 : Number(q)];
  }));
  const wanted = (/** @type {string} */ name) => (offered.get(name) ?? offered.get('*') ?? 0) > 0;
  return wanted('br') ? 'br' : wanted('gzip') ? 'gzip' : null;
}

/**
 * @param {string} root folder to serve
 * @param {number} port 0 picks a free one
 * @returns {Promise<{ url: string, close: () => Promise<void> }>}
 */
export async function host(root, port = 0) {
  const base = path.resolve(root);
  /** @type {Map<string, { mtime: number, etag: string, plain: Buffer, br?: Buffer, gzip?: Buffer }>} */
  const kept = new Map();
  /** @param {string} file */
  async function load(file) {
    const { mtimeMs } = await stat(file);
    const known = kept.get(file);
    if (known && known.mtime === mtimeMs) return known;
    const plain = await readFile(file);
    /** @type {{ mtime: number, etag: string, plain: Buffer, br?: Buffer, gzip?: Buffer }} */
    const entry = { mtime: mtimeMs, etag: `"${createHash('sha256').update(plain).digest('base64url').slice(0, 22)}"`, plain };
    if (!COMPRESSED.has(path.extname(file))) {
      entry.br = brotliCompressSync(plain, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } });
      entry.gzip = gzipSync(plain, { level: 9 });
    }
    kept.set(file, entry);
    return entry;
  }
  const server = createServer(async (request, response) => {
    try {
      const file = await fileFor(base, request.url);
      const entry = await load(file);
      const encoding = entry.br ? chooseEncoding(request.headers['accept-encoding']) : null;
      /** @type {Record<string, string>} */
      const headers = {
        'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream',
        'Cache-Control': 'public, max-age=600',
        ETag: entry.etag,
      };
      if (entry.br) headers.Vary = 'Accept-Encoding';
      if (request.headers['if-none-match'] === entry.etag) return void response.writeHead(304, headers).end();
      const body = encoding ? /** @type {Buffer} */ (entry[encoding]) : entry.plain;
      if (encoding) headers['Content-Encoding'] = encoding;
      headers['Content-Length'] = String(body.length);
      response.writeHead(200, headers);
      response.end(request.method === 'HEAD' ? undefined : body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return {
    url: await listen(server, port),
    close: () => new Promise((resolve) => {
      server.close(() => resolve());
      server.closeAllConnections();
    }),
  };
}

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
  const served = await host(process.argv[2] ?? 'build/web', Number(process.argv[3] ?? 8080));
  console.log(`Operazioni in vertola, compressed: ${served.url}  (Ctrl+C per fermare)`);
}
