// Mermaid's own view of a flowchart text: its parser and flowchart database, loaded once in this
// Node process under jsdom, as the judge of the differential check.
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

// Loads jsdom and mermaid from the npm folder `modules` (the folder holding node_modules).
export async function loadJudge(modules) {
  const require = createRequire(join(modules, 'package.json'));
  const { JSDOM } = require('jsdom');
  const dom = new JSDOM('<!DOCTYPE html><html><body></body></html>', { pretendToBeVisual: true });
  // Mermaid's label sanitizer (DOMPurify) and its start-up code look for a browser's globals.
  for (const name of ['window', 'document', 'navigator', 'Element', 'HTMLElement', 'Node', 'DOMParser',
    'MutationObserver', 'getComputedStyle', 'requestAnimationFrame']) {
    if (!(name in globalThis) || name === 'window' || name === 'document') {
      Object.defineProperty(globalThis, name, { value: dom.window[name], configurable: true, writable: true });
    }
  }
  const mermaid = (await import(pathToFileURL(require.resolve('mermaid')).href)).default;
  mermaid.initialize({ startOnLoad: false, logLevel: 'fatal' });
  const version = require('mermaid/package.json').version;
  const textarea = dom.window.document.createElement('textarea');
  const decodeHtml = (s) => {
    if (!s.includes('&')) return s;
    textarea.innerHTML = s.replace(/</g, '&lt;');
    return textarea.value;
  };
  return { version, decodeHtml, view: (text) => mermaidView(mermaid, text) };
}

// {ok, direction, vertices: [{id, text, labelType, type, icon, form, img}], edges: [{start, end,
// text, labelType, type, stroke, length, id, userId}], subgraphs: [id]}, or {ok: false, error}.
async function mermaidView(mermaid, text) {
  let diagram;
  try {
    // parse() applies the text's front matter and directives to the configuration, as a page
    // rendering it would; the diagram is then read again for its database.
    await mermaid.parse(text);
    diagram = await mermaid.mermaidAPI.getDiagramFromText(text);
  } catch (error) {
    // "Parse error on line 4:", the text, a caret line, "Expecting 'X', got 'Y'": first and last.
    const lines = String(error?.message ?? error).split('\n').filter((l) => l.trim());
    const last = lines.length > 1 && /^Expecting/.test(lines.at(-1)) ? ` ${lines.at(-1)}` : '';
    return { ok: false, error: `${lines[0] ?? 'refused'}${last}` };
  }
  if (!/^flowchart/.test(diagram.type)) return { ok: false, error: `not a flowchart but a '${diagram.type}' diagram` };
  const db = diagram.db;
  const vertices = [...db.getVertices().values()].map((v) => ({
    id: v.id, text: v.text, labelType: v.labelType, type: v.type, icon: v.icon, form: v.form, img: v.img,
  }));
  const edges = db.getEdges().map((e) => ({
    start: e.start, end: e.end, text: e.text, labelType: e.labelType, type: e.type, stroke: e.stroke,
    length: e.length, id: e.id, userId: Boolean(e.isUserDefinedId),
  }));
  return { ok: true, direction: db.getDirection() ?? 'TB', vertices, edges, subgraphs: db.getSubGraphs().map((s) => s.id) };
}
