// A small static server for build/web, on 127.0.0.1 only: `node src/web/serve.mjs [folder] [port]`.
// Also imported by the benchmark. It serves files below the folder and nothing else.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

/** @type {Record<string, string>} */
export const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.woff2': 'font/woff2',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

/**
 * @param {string} root folder to serve
 * @param {number} port 0 picks a free one
 * @param {{ cacheControl?: string | null, lastModified?: boolean }} [caching] the HTTP caching a
 *   host does: a Cache-Control value or none, and whether files say when they last changed (and
 *   answer 304 when they have not since)
 * @returns {Promise<{ url: string, close: () => Promise<void> }>}
 */
export async function serve(root, port = 0, { cacheControl = 'no-cache', lastModified = false } = {}) {
  const base = path.resolve(root);
  const server = createServer(async (request, response) => {
    try {
      const file = await fileFor(base, request.url);
      const body = await readFile(file);
      /** @type {Record<string, string>} */
      const headers = { 'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream' };
      if (cacheControl) headers['Cache-Control'] = cacheControl;
      if (lastModified) {
        const changed = new Date((await stat(file)).mtime.toUTCString());
        headers['Last-Modified'] = changed.toUTCString();
        const since = Date.parse(request.headers['if-modified-since'] ?? '');
        if (changed.getTime() <= since) return void response.writeHead(304, headers).end();
      }
      response.writeHead(200, headers);
      response.end(request.method === 'HEAD' ? undefined : body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return { url: await listen(server, port), close: () => new Promise((resolve) => server.close(() => resolve())) };
}

/**
 * The file a request names below the folder, a folder's index.html for a folder; throws for
 * anything outside it or missing.
 * @param {string} base the folder, resolved
 * @param {string | undefined} url the request's URL
 */
export async function fileFor(base, url) {
  const pathname = decodeURIComponent(new URL(url ?? '/', 'http://127.0.0.1').pathname);
  const file = path.join(base, path.normalize(pathname));
  if (file !== base && !file.startsWith(base + path.sep)) throw new Error('outside the folder');
  return (await stat(file)).isDirectory() ? path.join(file, 'index.html') : file;
}

/**
 * Listens on 127.0.0.1 only; gives the address served.
 * @param {import('node:http').Server} server
 * @param {number} port 0 picks a free one
 */
export async function listen(server, port) {
  await new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve(undefined));
  });
  const address = server.address();
  const actual = typeof address === 'object' && address ? address.port : port;
  return `http://127.0.0.1:${actual}/`;
}

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
  const root = process.argv[2] ?? 'build/web';
  const wanted = Number(process.argv[3] ?? 8080);
  let served;
  try {
    served = await serve(root, wanted);
  } catch (error) {
    if (/** @type {NodeJS.ErrnoException} */ (error).code !== 'EADDRINUSE') throw error;
    served = await serve(root, 0);
  }
  console.log(`Operazioni in vertola: ${served.url}  (Ctrl+C per fermare)`);
}
