// Mermaid's view against ours: what a reader that follows Mermaid would give, in our terms
// (mapping.mjs), and every way our reader's graph differs from it.
import { MARK, STROKE, figureOf, headsOf, sameBlanks, shownText } from './mapping.mjs';

// Mermaid's view as the graph our reader should give: {direction, nodes, edges, invisible},
// where `invisible` counts the links that have no figure and are expected to be left out.
export function expectedGraph(view, decodeHtml) {
  const subgraphs = new Set(view.subgraphs);
  const nodes = view.vertices
    .filter((v) => !subgraphs.has(v.id))  // a subgraph's id in a link names the subgraph
    .map((v) => ({ id: v.id, text: shownText(v.text, v.labelType, decodeHtml), figure: figureOf(v) }));
  const edges = [];
  let invisible = 0;
  for (const e of view.edges) {
    const stroke = STROKE[e.stroke];
    if (stroke === null) {
      ++invisible;
      continue;
    }
    const heads = headsOf(e.type);
    edges.push({
      from: e.start, to: e.end, text: shownText(e.text, e.labelType, decodeHtml),
      stroke: stroke ?? `unmapped Mermaid stroke '${e.stroke}'`,
      heads: heads ? headNames(heads) : `unmapped Mermaid link type '${e.type}'`,
      id: e.userId ? e.id : undefined,
      toSubgraph: subgraphs.has(e.start) || subgraphs.has(e.end),
    });
  }
  return { direction: view.direction === 'TD' ? 'TB' : view.direction, nodes, edges, invisible };
}

function headNames({ headFrom, headTo }) {
  return headFrom && headTo ? 'both ends' : headTo ? 'target' : headFrom ? 'source' : 'none';
}

const quote = (s) => JSON.stringify(s);

// The differences between the expected graph and ours (mermaid-dump's JSON), each
// {kind, detail}; none when they agree.
export function differences(expected, ours) {
  const diffs = [];
  const add = (kind, detail) => diffs.push({ kind, detail });
  if (expected.direction !== ours.direction)
    add('direction', `direction ${ours.direction}, Mermaid ${expected.direction}`);

  const ourNodes = new Map(ours.nodes.map((n) => [n.id, n]));
  for (const node of expected.nodes) {
    const mine = ourNodes.get(node.id);
    if (!mine) {
      add('node missing', `node ${quote(node.id)} (${quote(node.text)}) is missing`);
      continue;
    }
    ourNodes.delete(node.id);
    if (sameBlanks(mine.text) !== node.text)
      add('node text', `node ${quote(node.id)}: text ${quote(sameBlanks(mine.text))}, Mermaid ${quote(node.text)}`);
    const allowed = node.figure === MARK ? ['Start', 'End', 'Process'] : [node.figure];
    if (!allowed.includes(mine.shape))
      add(node.figure.startsWith('unmapped') ? 'unmapped shape' : 'node shape',
        `node ${quote(node.id)}: ${mine.shape}, expected ${node.figure === MARK ? 'Start, End or Process' : node.figure}`);
  }
  for (const node of ourNodes.values()) add('node extra', `node ${quote(node.id)} (${quote(node.text)}) is not Mermaid's`);

  // Edges pair up in order: first those equal in everything, then those between the same nodes.
  const mine = ours.edges.map((e) => ({
    from: e.from, to: e.to, text: sameBlanks(e.text), stroke: e.stroke,
    heads: headNames(e), id: e.id, used: false,
  }));
  const theirs = expected.edges.map((e) => ({ ...e, match: null }));
  const same = (a, b) => a.from === b.from && a.to === b.to;
  const equal = (a, b) => same(a, b) && a.text === b.text && a.stroke === b.stroke && a.heads === b.heads &&
    (a.id === undefined || b.id === undefined || a.id === b.id);
  for (const pass of [equal, same])
    for (const e of theirs) {
      if (e.match) continue;
      const m = mine.find((o) => !o.used && pass(e, o));
      if (m) {
        m.used = true;
        e.match = m;
      }
    }
  const name = (e) => `edge ${e.from} → ${e.to}${e.text ? ` ${quote(e.text)}` : ''}`;
  for (const e of theirs) {
    if (!e.match) {
      add(e.toSubgraph ? 'edge to a subgraph missing' : 'edge missing', `${name(e)} is missing`);
      continue;
    }
    const m = e.match;
    if (m.text !== e.text) add('edge text', `${name(e)}: text ${quote(m.text)}, Mermaid ${quote(e.text)}`);
    if (m.stroke !== e.stroke) add('edge stroke', `${name(e)}: ${m.stroke}, Mermaid ${e.stroke}`);
    if (m.heads !== e.heads) add('edge heads', `${name(e)}: heads at ${m.heads}, Mermaid ${e.heads}`);
    if (e.id !== undefined && m.id !== undefined && m.id !== e.id) add('edge id', `${name(e)}: id ${quote(m.id)}, Mermaid ${quote(e.id)}`);
  }
  for (const m of mine) if (!m.used) add('edge extra', `${name(m)} is not Mermaid's`);
  return diffs;
}

// One input's outcome: 'agree', 'differ', 'we refuse', 'they refuse', 'both refuse' (an
// agreement) or 'we fail' (our reader crashed or hung), with the differences.
export function judgeInput(view, ours, decodeHtml) {
  if (ours.crashed) return { outcome: 'we fail', diffs: [{ kind: 'our reader failed', detail: ours.crashed }] };
  if (!view.ok && !ours.ok) return { outcome: 'both refuse', diffs: [] };
  if (!view.ok) return { outcome: 'they refuse', diffs: [{ kind: 'Mermaid refuses, we accept', detail: `Mermaid: ${view.error}` }] };
  if (!ours.ok) return { outcome: 'we refuse', diffs: [{ kind: 'we refuse, Mermaid accepts', detail: `ours: ${ours.error}` }] };
  const diffs = differences(expectedGraph(view, decodeHtml), ours);
  return { outcome: diffs.length ? 'differ' : 'agree', diffs };
}
