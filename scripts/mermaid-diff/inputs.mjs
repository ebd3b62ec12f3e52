// The inputs of the differential check: the flowchart examples of Mermaid's documentation (read
// at run time from its docs/syntax/flowchart.md, never stored here) and variations written here,
// one construct at a time, each as {name, text}.
import { NODE_DATA_SHAPES } from './mapping.mjs';

// Every ```mermaid-example block of the documentation page, named by the heading above it.
export function docExamples(markdown) {
  const examples = [];
  let heading = '';
  let block = null;
  for (const line of markdown.split('\n')) {
    if (block) {
      if (/^```\s*$/.test(line)) {
        examples.push({ name: `doc ${examples.length + 1}: ${heading}`, text: block.join('\n') + '\n' });
        block = null;
      } else {
        block.push(line);
      }
    } else if (/^```mermaid-example\s*$/.test(line)) {
      block = [];
    } else if (/^#+ /.test(line)) {
      heading = line.replace(/^#+ /, '').trim();
    }
  }
  return examples;
}

const chart = (body, header = 'flowchart LR') => `${header}\n${body.map((l) => `    ${l}`).join('\n')}\n`;

// Node shapes as the older brackets write them, with plain and quoted texts.
const BRACKETS = [
  ['[', ']'], ['(', ')'], ['([', '])'], ['[[', ']]'], ['[(', ')]'], ['((', '))'], ['>', ']'],
  ['{', '}'], ['{{', '}}'], ['[/', '/]'], ['[\\', '\\]'], ['[/', '\\]'], ['[\\', '/]'],
  ['(((', ')))'], ['(-', '-)'],
];

// Links: body × ends × length; each also with a label in bars.
function linkTokens() {
  const tokens = [];
  for (const [body, first] of [['-', '-'], ['=', '='], ['.', '-']]) {
    for (const length of [1, 2, 3]) {
      const line = body === '.' ? `-${'.'.repeat(length)}-` : first.repeat(length + 2);
      const arrow = body === '.' ? line : first.repeat(length + 1);
      tokens.push(line, `${arrow}>`, `${arrow}o`, `${arrow}x`, `<${arrow}>`, `o${arrow}o`, `x${arrow}x`);
    }
  }
  tokens.push('~~~', '~~~~', '.->', '<.->', '..->', '--o', '<-->', '---o');
  return [...new Set(tokens)];
}

// Links with their text in the middle: "-- text -->" and its kin.
const MIDDLE_LABELS = [
  '-- Label ---', '-- Label -->', '-- Label --->', '-- Label ---->', '-- Label --o', '-- Label --x',
  '<-- Label -->', 'o-- Label --o', '== Label ===', '== Label ==>', '== Label ===>', '<== Label ==>',
  '-. Label .-', '-. Label .->', '-. Label ..->', '-. Label ...->', '<-. Label .->', '-. Label .-x',
  '-- "quoted -- dashes" -->', '-- Label with spaces -->', '--Label-->', '-- Label ==>', '== Label -->',
];

const IDS = [
  'P1.5 --> index.js', 'a.end.node --> b', 'node: --> b', 'A --> #', 'A --> -node', 'A --> node-',
  'a-b --> c-d', 'a_b --> c_d', '1 --> 2', '1a --> 2b', 'Ä --> öß', 'a/b --> c+d', 'A --> B&C',
  'dev--- ops', 'dev---Ops', 'A---oB', 'A---xB', 'Ending --> endpoint', 'End --> END', 'A --> end1',
  'style1 --> class1', 'subgraphA --> graphB', 'A --> flowchart1', 'default --> B', 'A-->B-->C',
  'a$b --> c', 'x --> y', 'o --> x', 'A --> x1', 'A --> o1', 'A e1@--> B', 'a@b --> c', "a'b --> c",
  'a*b --> c', 'A --> _', 'A.B.C', 'A:B --> C',
];

const TEXTS = [
  'A[This ❤ Unicode]', 'A["This ❤ Unicode"]', 'A["This is the (text) in the box"]',
  'A["A double quote:#quot;"] --> B["A dec char:#9829;"]', 'A["#35; hash"]', 'A[#quot;unquoted#quot;]',
  'A["a &amp; b"]', 'A["a #lt; b #gt; c"]', 'A["#copy; 2024"]', 'A[a &amp; b]',
  'A[Line1<br>Line2]', 'A[Line1<br/>Line2<br />Line3]', 'A["<b>bold</b> html"]', 'A["a < b"]',
  'A["`This **is** _Markdown_`"]', 'A["`**All bold**`"]', 'A["`*all italic*`"]', 'A["`snake_case_word`"]',
  'A["`Line1\n      Line 2\n      Line 3`"]', 'A -->|"`**bold** edge`"| B', 'A -- "`_italic_ text`" --> B',
  'A[fa:fa-car Car]', 'B(fa:fa-ban forbidden)', 'A[fab:fa-github GitHub] --> B',
  'A(-an ellipse-)', 'A[|borders:lt|text]', 'A[first] --> B\nA[second]', 'A[end]', 'A[graph]',
  'A["quoted"] --> B("round quoted")', 'A[  spaced   text  ]', 'A["multi\n      line quoted"]',
  'A[a "quote" inside]', 'A["one\\ntwo"]', 'A[one\\ntwo]', 'A["`one\n\n      two`"]',
  'A["a | bar"] -->|"bar | in label"| B', 'A -->|text with spaces| B',
  'A -->| padded | B', 'A-->|x|B', 'A --->|longer| B', 'A -->|a-->b| B', 'A[Text] --> B[Text]',
  'A -->|yes| B\nA -->|no| B', 'A --> B\nA --> B', 'A -- a --> B -- b --> C',
];

const NODE_DATA = [
  'A@{ shape: rect }', 'A@{ shape: rounded }', 'A@{ shape: rounded, label: "DD" }',
  'A@{ shape: diam, label: "a } b" }', 'A@{ label: "No shape" }', 'A@{ shape: cyl, label: "Multi\nline" }',
  'A@{\n      shape: cyl\n      label: "Yaml"\n    }', 'A[Box] --> B@{ shape: diam, label: "Q" }',
  'A@{ shape: circle } --> B@{ shape: dbl-circ }', 'A@{ icon: "fa:user", form: "square", label: "User Icon", pos: "t", h: 60 }',
  'A@{ icon: "fa:user" }', 'A@{ img: "https://example.com/a.png", label: "Image", pos: "t", w: 60, h: 60, constraint: "off" }',
  'A@{ shape: Rect }', 'A@{ shape: no-such-shape }', 'A@{ shape: lean_right }', 'A[Old]@{ shape: diam }',
  'A@{ shape: text, label: "Just text" }', 'A@{ shape: rect, label: "**md** label" }',
];

const STATEMENTS = [
  ['A-->B;B-->C;'], ['a --> b & c --> d'], ['A & B --> C & D'], ['a[x]', '--> b[y]'],
  ['A\t-->\tB'], ['A --> B %% trailing comment'], ['%% a comment', 'A --> B'], ['A --> B', '', '', 'B --> C'],
  ['A:::c-->B'], ['A[x]:::c --> B:::d', 'classDef c fill:#f96', 'classDef d fill:#9f6'],
  ['A --> B', 'classDef green fill:#9f6,stroke:#333,stroke-width:2px;', 'class A,B green'],
  ['A:::a --> B', 'classDef a,b fill:#f00'], ['A --> B', 'class A c1,c2'], ['A --> B', 'classDef default fill:#ccc'],
  ['A e1@--> B', 'e1@{ animate: true }'], ['A e1@==> B', 'e1@{ animation: fast }'],
  ['A e1@--> B', 'classDef animate stroke-dasharray: 9\\,5', 'class e1 animate'], ['A e1@-.->|t| B e2@--> C'],
  ['A --> B', 'style C fill:#f00'], ['A --> B', 'style A fill:#f9f,stroke:#333,stroke-width:4px'],
  ['A --> B', 'linkStyle 0 stroke:#ff3,stroke-width:4px,color:red;'], ['A --> B --> C', 'linkStyle 0,1 stroke:blue'],
  ['A --> B', 'linkStyle default stroke:#0f0'], ['A --> B', 'linkStyle 0 interpolate basis'],
  ['subgraph one', 'a1-->a2', 'end'], ['c1-->a2', 'subgraph ide1 [one]', 'a1-->a2', 'end'],
  ['subgraph one', 'a1-->a2', 'end', 'subgraph two', 'b1-->b2', 'end', 'one --> two'],
  ['subgraph TOP', 'direction TB', 'i1 --> f1', 'end', 'A --> TOP'], ['subgraph "Quoted title"', 'a --> b', 'end'],
  ['A --> B', 'click A callback "Tooltip for a callback"'], ['A --> B', 'click B "https://www.github.com" _blank'],
  ['A --> B', 'click A call callback()'], ['accTitle: A title', 'accDescr: A description', 'A --> B'],
  ['accDescr {', 'a description', 'over lines', '}', 'A --> B'], ['A --> B;', 'B --> C'],
  ['A-->B', 'B-->A'], ['A --> A'], ['A'], ['A[Only a node]'], ['A & B & C'],
  ['A --> B\r', 'B --> C\r'], ['   A --> B   '],
];

const HEADERS = [
  'flowchart TD', 'flowchart TB', 'flowchart BT', 'flowchart RL', 'flowchart LR', 'graph TD', 'graph LR', 'flowchart',
  'graph', 'graph >', 'graph <', 'graph ^', 'graph v', 'flowchart-elk TD', 'graph TB;', 'flowchart td',
  '%%{init: {"theme": "dark"}}%%\nflowchart LR', '---\ntitle: A title\n---\nflowchart LR',
  '---\nconfig:\n  htmlLabels: false\n---\nflowchart LR', '%% first a comment\nflowchart LR', 'flowchart XY',
];

const BROKEN = [
  'flowchart TD\n    A -->\n', 'flowchart TD\n    A[unclosed --> B\n', 'A --> B\n', 'flowchart TD\n    A -- text\n',
  'flowchart TD\n    subgraph one\n    a --> b\n', 'flowchart TD\n    end\n', 'flowchart TD\n    A --> B --\n',
  'flowchart TD\n    A{{unclosed\n', 'flowchart TD\n    A <-- B\n', 'flowchart TD\n    A -->|unclosed B\n', '',
];

export function variations() {
  const inputs = [];
  const add = (name, text) => inputs.push({ name: `gen ${inputs.length + 1}: ${name}`, text });
  const oneLine = (s) => s.replace(/\r/g, '\\r').replace(/\n\s*/g, ' ⏎ ');
  for (const [open, close] of BRACKETS) {
    add(`brackets ${open}${close}`, chart([`A${open}Some text${close} --> B`]));
    add(`brackets ${open}${close} quoted`, chart([`A${open}"Quoted (text)"${close} --> B${open}b${close}`]));
  }
  for (const shape of NODE_DATA_SHAPES) add(`shape ${shape}`, chart([`A@{ shape: ${shape}, label: "Label ${shape}" } --> B`], 'flowchart TD'));
  for (const link of linkTokens()) {
    add(`link ${link}`, chart([`A ${link} B`]));
    add(`link ${link} bars`, chart([`A ${link}|Label| B`]));
    add(`link ${link} tight`, chart([`A${link}B`]));
  }
  for (const link of MIDDLE_LABELS) add(`link ${link}`, chart([`A ${link} B`]));
  for (const ids of IDS) add(`ids ${ids}`, chart([ids]));
  for (const text of TEXTS) add(`text ${oneLine(text)}`, chart(text.split('\n')));
  for (const data of NODE_DATA) add(`node data ${oneLine(data)}`, chart(data.split('\n'), 'flowchart TD'));
  for (const lines of STATEMENTS) add(`statement ${oneLine(lines.join('\n'))}`, chart(lines));
  for (const header of HEADERS) add(`header ${oneLine(header)}`, `${header}\n    A --> B\n`);
  for (const text of BROKEN) add(`broken ${JSON.stringify(text.slice(0, 40))}`, text);
  return inputs;
}

// Inputs with the same text once, the first name kept.
export function unique(inputs) {
  const seen = new Set();
  return inputs.filter(({ text }) => !seen.has(text) && seen.add(text));
}
