// The harness checked on three inputs whose outcome is worked out by hand: Mermaid's view in our
// terms, the comparison of a faithful graph (no difference) and of a spoiled one (exactly the
// spoiled fields), and mermaid-dump's answers.
import { isDeepStrictEqual } from 'node:util';
import { differences, expectedGraph, judgeInput } from './compare.mjs';

const node = (id, text, figure) => ({ id, text, figure });
const edge = (from, to, text, stroke, heads) => ({ from, to, text, stroke, heads, id: undefined, toSubgraph: false });
const ourNode = (id, text, shape) => ({ id, text, shape });
const ourEdge = (from, to, text, stroke, headFrom, headTo) => ({ from, to, text, stroke, headFrom, headTo });

const KNOWN = [
  {
    text: 'flowchart LR\n    A[Start] -->|go| B{Ok?}\n    B -.-> C((Done))\n',
    expected: {
      direction: 'LR',
      nodes: [node('A', 'Start', 'Process'), node('B', 'Ok?', 'Decision'), node('C', 'Done', 'Ellipse')],
      edges: [edge('A', 'B', 'go', 'solid', 'target'), edge('B', 'C', '', 'dotted', 'target')],
      invisible: 0,
    },
    faithful: {
      ok: true, direction: 'LR', warnings: [],
      nodes: [ourNode('A', 'Start', 'Process'), ourNode('B', 'Ok?', 'Decision'), ourNode('C', 'Done', 'Ellipse')],
      edges: [ourEdge('A', 'B', 'go', 'solid', false, true), ourEdge('B', 'C', '', 'dotted', false, true)],
    },
    spoil: (g) => { g.nodes[1].shape = 'Process'; g.edges[0].stroke = 'thick'; },
    spoiledKinds: ['node shape', 'edge stroke'],
    ours: 'agree',
  },
  {
    text: 'graph BT\n    A == thick ==> B(Round)\n    B <--> C\n    C ~~~ D\n    E["#quot;Hi#quot; &amp; <b>you</b> #9829;"]\n',
    expected: {
      direction: 'BT',
      nodes: [node('A', 'A', 'Process'), node('B', 'Round', 'mark'), node('C', 'C', 'Process'),
        node('D', 'D', 'Process'), node('E', '"Hi" & you ♥', 'Process')],
      edges: [edge('A', 'B', 'thick', 'thick', 'target'), edge('B', 'C', '', 'solid', 'both ends')],
      invisible: 1,
    },
    faithful: {
      ok: true, direction: 'BT', warnings: [],
      nodes: [ourNode('A', 'A', 'Process'), ourNode('B', 'Round', 'Process'), ourNode('C', 'C', 'Process'),
        ourNode('D', 'D', 'Process'), ourNode('E', '"Hi" & you ♥', 'Process')],
      edges: [ourEdge('A', 'B', 'thick', 'thick', false, true), ourEdge('B', 'C', '', 'solid', true, true)],
    },
    spoil: (g) => { g.edges[1].headFrom = false; g.nodes[4].text = '#quot;Hi#quot; &amp; you #9829;'; },
    spoiledKinds: ['node text', 'edge heads'],
    ours: null,  // depends on the reader under test
  },
  {
    text: 'flowchart TD\n    A -->\n',
    expected: null,  // Mermaid refuses it
    ours: 'both refuse',
  },
];

// The failures, as sentences; none when the harness works.
export async function selfCheck(judge, ourViews) {
  const failures = [];
  const ours = ourViews(KNOWN.map((k) => k.text));
  for (const [i, known] of KNOWN.entries()) {
    const label = `input ${i + 1}`;
    const view = await judge.view(known.text);
    if (!known.expected) {
      if (view.ok) failures.push(`${label}: Mermaid accepts what it should refuse`);
    } else if (!view.ok) {
      failures.push(`${label}: Mermaid refuses it: ${view.error}`);
    } else {
      const expected = expectedGraph(view, judge.decodeHtml);
      if (!isDeepStrictEqual(expected, known.expected))
        failures.push(`${label}: Mermaid's view in our terms is ${JSON.stringify(expected)}`);
      const clean = differences(known.expected, known.faithful);
      if (clean.length) failures.push(`${label}: a faithful graph differs: ${JSON.stringify(clean)}`);
      const spoiled = structuredClone(known.faithful);
      known.spoil(spoiled);
      const kinds = differences(known.expected, spoiled).map((d) => d.kind).sort();
      if (!isDeepStrictEqual(kinds, [...known.spoiledKinds].sort()))
        failures.push(`${label}: a spoiled graph gives ${JSON.stringify(kinds)}, not ${JSON.stringify(known.spoiledKinds)}`);
    }
    if (typeof ours[i]?.ok !== 'boolean') {
      failures.push(`${label}: mermaid-dump gave ${JSON.stringify(ours[i])}`);
      continue;
    }
    const outcome = judgeInput(view, ours[i], judge.decodeHtml);
    console.log(`self-check ${label}: our reader: ${outcome.outcome}${outcome.diffs.map((d) => `; ${d.kind}: ${d.detail}`).join('')}`);
    if (known.ours && outcome.outcome !== known.ours) failures.push(`${label}: our reader gives '${outcome.outcome}', not '${known.ours}'`);
  }
  return failures;
}
