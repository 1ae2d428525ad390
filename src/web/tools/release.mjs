// Writes the release's own list of its files: every file the service worker keeps, with its SHA-256
// hash, and a version named after all of them and the program's version, into release.js beside
// them. The worker imports it, so a changed folder is a changed worker, and it keeps exactly the
// bytes listed there.
//   node src/web/tools/release.mjs [folder]
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { SINGLE_FILE } from './single_file.mjs';

export const RELEASE_FILE = 'release.js';
const WORKER_FILE = 'sw.js';
// The browser fetches the worker and what it imports itself; the single file is a download for
// disks, not part of the served page.
const NOT_KEPT = new Set([WORKER_FILE, RELEASE_FILE, SINGLE_FILE]);

/**
 * Every file below the folder, as paths relative to it with forward slashes, sorted.
 * @param {string} folder @param {string} [under]
 * @returns {string[]}
 */
export function filesBelow(folder, under = '') {
  return readdirSync(path.join(folder, under), { withFileTypes: true }).flatMap((entry) => {
    const relative = under ? `${under}/${entry.name}` : entry.name;
    return entry.isDirectory() ? filesBelow(folder, relative) : [relative];
  }).sort();
}

// The program's version is written once, as the newest release of its AppStream metainfo.
const METAINFO = fileURLToPath(new URL('../../../packaging/it.vertola.operazioni.metainfo.xml', import.meta.url));

/** @returns {string} */
export function programVersion() {
  const release = /<release version="([^"]+)"/.exec(readFileSync(METAINFO, 'utf8'));
  if (!release) throw new Error(`release: no <release version> in ${METAINFO}`);
  return release[1];
}

export const sha256 = (/** @type {Buffer} */ bytes) => createHash('sha256').update(bytes).digest('hex');

/**
 * The files the worker keeps and their hashes; the version also changes with the worker itself and
 * the program's version, so that a new worker never writes into the cache of the one it replaces.
 * @param {string} folder
 * @param {string} [program]
 * @returns {{ program: string, version: string, files: Record<string, string> }}
 */
export function listRelease(folder, program = programVersion()) {
  /** @type {Record<string, string>} */
  const files = {};
  for (const file of filesBelow(folder)) if (!NOT_KEPT.has(file)) files[file] = sha256(readFileSync(path.join(folder, file)));
  const version = createHash('sha256');
  for (const [file, hash] of Object.entries(files)) version.update(`${file}\0${hash}\n`);
  version.update(`${WORKER_FILE}\0${sha256(readFileSync(path.join(folder, WORKER_FILE)))}\n`);
  version.update(`program\0${program}\n`);
  return { program, version: version.digest('hex').slice(0, 16), files };
}

/** @param {string} folder */
export function writeRelease(folder) {
  const release = listRelease(folder);
  writeFileSync(path.join(folder, RELEASE_FILE),
    `// Written by the build: the program's version, the files of this release, their SHA-256 hashes and its version.\nself.release = ${JSON.stringify(release, null, 1)};\n`);
  return release;
}

/** @param {string} folder @returns {{ program: string, version: string, files: Record<string, string> }} */
export function readRelease(folder) {
  const text = readFileSync(path.join(folder, RELEASE_FILE), 'utf8');
  return JSON.parse(text.slice(text.indexOf('{'), text.lastIndexOf('}') + 1));
}

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
  const folder = path.resolve(process.argv[2] ?? 'build/web');
  const { program, version, files } = writeRelease(folder);
  console.log(`${path.relative(process.cwd(), path.join(folder, RELEASE_FILE))}: ${program}, version ${version}, ${Object.keys(files).length} files`);
}
