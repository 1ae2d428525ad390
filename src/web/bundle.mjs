// Joins the page's ES modules into one, so that the browser fetches the page in one request
// instead of a waterfall of imports: `node src/web/bundle.mjs <folder> <entry>` writes the bundle
// over the entry and removes the modules it took in.
// The sources stay separate modules, each type-checked on its own; here each becomes a function
// scope that hands its exports to the modules after it. It knows only the forms the page uses:
// one-line named imports of sibling modules, and `export` before a declaration. Lines that are
// only comments stay in the sources: the page does without their weight.
import { readFileSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';

const IMPORT = /^import\s*\{([^}]*)\}\s*from\s*'\.\/([\w.-]+\.js)';\s*$/;
const EXPORT = /^export\s+(?:async\s+)?(?:function\*?|class|const|let)\s+([\w$]+)/;

/** The lines of a page module without those that are wholly comment. @param {string} text */
function withoutComments(text) {
  let inBlock = false;
  return text.split('\n').filter((line) => {
    const code = line.trim();
    if (inBlock || code.startsWith('/*')) {
      inBlock = !code.includes('*/');
      return false;
    }
    return !code.startsWith('//');
  });
}

/**
 * @param {string} folder
 * @param {string} entry
 * @param {Record<string, string>} [replaced] modules of the folder given another source
 * @returns {{ text: string, files: string[] }}
 */
export function bundle(folder, entry, replaced = {}) {
  /** @type {string[]} */
  const order = [];
  /** @type {Map<string, string>} */
  const bodies = new Map();
  const scopeOf = (/** @type {string} */ file) => `module_${file.replace(/\W/g, '_')}`;

  /** @param {string} file @param {string[]} chain */
  const visit = (file, chain) => {
    if (chain.includes(file)) throw new Error(`modules import each other: ${[...chain, file].join(' -> ')}`);
    if (bodies.has(file)) return;
    const lines = replaced[file]?.split('\n') ?? withoutComments(readFileSync(path.join(folder, file), 'utf8'));
    /** @type {string[]} */
    const exported = [];
    const body = lines.map((line) => {
      const imported = IMPORT.exec(line);
      if (imported) {
        visit(imported[2], [...chain, file]);
        const names = imported[1].split(',').map((name) => name.trim()).filter(Boolean)
          .map((name) => name.replace(/\s+as\s+/, ': '));
        return `const { ${names.join(', ')} } = ${scopeOf(imported[2])};`;
      }
      if (/^\s*import\s/.test(line) || /^export\s*\{/.test(line)) {
        throw new Error(`${file}: an import or export the bundle does not know: ${line}`);
      }
      const declared = EXPORT.exec(line);
      if (declared) {
        exported.push(declared[1]);
        return line.replace(/^export\s+/, '');
      }
      return line;
    });
    const isEntry = chain.length === 0;
    bodies.set(file, isEntry ? `// ${file}\n{\n${body.join('\n')}\n}\n`
      : `// ${file}\nconst ${scopeOf(file)} = (() => {\n${body.join('\n')}\nreturn { ${exported.join(', ')} };\n})();\n`);
    order.push(file);
  };
  visit(entry, []);
  return { text: order.map((file) => bodies.get(file)).join('\n'), files: order };
}

if (process.argv[1] && path.resolve(process.argv[1]) === new URL(import.meta.url).pathname) {
  const [folder, entry] = process.argv.slice(2);
  if (!folder || !entry) throw new Error('usage: bundle.mjs <folder> <entry>');
  const { text, files } = bundle(folder, entry);
  writeFileSync(path.join(folder, entry), text);
  for (const file of files) if (file !== entry) rmSync(path.join(folder, file));
}
