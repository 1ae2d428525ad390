// Copies the drawings into the built folder, but not those the main menu's first look carries
// inline: the page never asks for those.
//   node src/web/tools/drawings.mjs <first_look.js> <drawings folder> <out folder>
import { copyFileSync, mkdirSync, readdirSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { carriedDrawings } from './first_look.mjs';

/**
 * @param {string[]} carried the drawings' names that the page carries inline
 * @param {string} from @param {string} to
 * @returns {string[]} the files copied
 */
export function copyDrawings(carried, from, to) {
  mkdirSync(to, { recursive: true });
  const copied = readdirSync(from).filter((name) => name.endsWith('.svg') && !carried.includes(path.basename(name, '.svg'))).sort();
  for (const name of copied) copyFileSync(path.join(from, name), path.join(to, name));
  return copied;
}

if (process.argv[1] && fileURLToPath(import.meta.url) === path.resolve(process.argv[1])) {
  const [firstLook, from, to] = process.argv.slice(2);
  if (!firstLook || !from || !to) throw new Error('usage: drawings.mjs <first_look.js> <drawings folder> <out folder>');
  const copied = copyDrawings(await carriedDrawings(firstLook), from, to);
  console.log(`${path.relative(process.cwd(), to)}: ${copied.length} drawings`);
}
