// How Mermaid's flowchart model maps onto ours: the one table of shapes and link kinds the
// comparison uses, and the text a reader is expected to show for Mermaid's label source.
//
// We draw six figures: Process (rounded box), Start (circle), End (circle in a circle),
// Decision (diamond), Ellipse and Rectangle. A Mermaid shape drawn as the figure this table
// names is no difference; any other figure is.

// 'mark': a rounded node is a Start when nothing leads into it, an End when nothing leads out of
// it, a Process otherwise (the classes "start" and "end" decide first), so any of the three.
export const MARK = 'mark';

const FIGURES = {
  Process: [
    // Mermaid's plain box, the default shape.
    'square', 'rect', 'proc', 'process', 'rectangle',
    // Shapes we have no figure for: drawn as a process box (the reader warns).
    'cylinder', 'cyl', 'database', 'db', 'hexagon', 'hex', 'prepare', 'odd',
    'lean_right', 'lean-r', 'lean-right', 'in-out', 'lean_left', 'lean-l', 'lean-left', 'out-in',
    'trapezoid', 'trap-b', 'priority', 'trapezoid-bottom',
    'inv_trapezoid', 'trap-t', 'inv-trapezoid', 'manual', 'trapezoid-top',
    'bang', 'notch-rect', 'card', 'notched-rectangle', 'cloud', 'hourglass', 'collate',
    'bolt', 'com-link', 'lightning-bolt', 'brace', 'brace-l', 'comment', 'brace-r', 'braces',
    'datastore', 'data-store', 'delay', 'half-rounded-rectangle',
    'h-cyl', 'das', 'horizontal-cylinder', 'lin-cyl', 'disk', 'lined-cylinder',
    'curv-trap', 'curved-trapezoid', 'display',
    'div-rect', 'div-proc', 'divided-process', 'divided-rectangle', 'doc', 'document',
    'tri', 'extract', 'triangle', 'fork', 'join', 'win-pane', 'internal-storage', 'window-pane',
    'lin-doc', 'lined-document', 'lin-rect', 'lin-proc', 'lined-process', 'lined-rectangle',
    'shaded-process', 'notch-pent', 'loop-limit', 'notched-pentagon',
    'flip-tri', 'flipped-triangle', 'manual-file', 'sl-rect', 'manual-input', 'sloped-rectangle',
    'docs', 'documents', 'st-doc', 'stacked-document', 'st-rect', 'processes', 'procs',
    'stacked-rectangle', 'flag', 'paper-tape', 'bow-rect', 'bow-tie-rectangle', 'stored-data',
    'tag-doc', 'tagged-document', 'tag-rect', 'tag-proc', 'tagged-process', 'tagged-rectangle',
    'text',
    // Icons and images: the label stays, the picture is dropped (the reader warns).
    'icon', 'iconSquare', 'iconCircle', 'iconRounded', 'imageSquare',
  ],
  [MARK]: ['round', 'rounded', 'event', 'stadium', 'pill', 'terminal'],
  Rectangle: ['subroutine', 'fr-rect', 'subproc', 'subprocess', 'framed-rectangle'],
  Decision: ['diamond', 'diam', 'decision', 'question'],
  Ellipse: [
    'circle', 'circ', 'ellipse', 'doublecircle', 'dbl-circ', 'double-circle',
    'sm-circ', 'small-circle', 'start', 'fr-circ', 'framed-circle', 'stop',
    'f-circ', 'filled-circle', 'junction', 'cross-circ', 'crossed-circle', 'summary',
  ],
};

// Mermaid's shape name (the node type its model records) → our figure, or MARK.
export const SHAPE_FIGURE = new Map(
  Object.entries(FIGURES).flatMap(([figure, names]) => names.map((name) => [name, figure])));

// The shape names Mermaid 11 takes in '@{ shape: ... }' (the legacy types with '_' and the
// icon and image forms are not among them).
export const NODE_DATA_SHAPES = [...SHAPE_FIGURE.keys()].filter(
  (name) => !name.includes('_') && !/^(square|round|doublecircle|ellipse)$|^(icon|image)/.test(name));

// The figure for a Mermaid vertex: its type, or the icon/image form Mermaid draws it as.
export function figureOf(vertex) {
  let type = vertex.type ?? 'square';
  if (vertex.img) type = 'imageSquare';
  else if (vertex.icon) type = { circle: 'iconCircle', square: 'iconSquare', rounded: 'iconRounded' }[vertex.form] ?? 'icon';
  return SHAPE_FIGURE.get(type) ?? `unmapped Mermaid shape '${type}'`;
}

// Link strokes: Mermaid's names → ours. An invisible link has no figure: it is left out.
export const STROKE = { normal: 'solid', thick: 'thick', dotted: 'dotted', invisible: null };

// Link ends. Circle and cross ends are drawn as arrow heads, the nearest we have; the link's
// length (extra dashes) only spaces the layout and is not compared.
export function headsOf(type) {
  if (type === 'arrow_open') return { headFrom: false, headTo: false };
  if (/^double_arrow_(point|circle|cross)$/.test(type)) return { headFrom: true, headTo: true };
  if (/^arrow_(point|circle|cross)$/.test(type)) return { headFrom: false, headTo: true };
  return null;  // not a kind this table knows
}

// The text a reader shows for Mermaid's label source, as Mermaid draws it: line breaks for <br>
// (outside markdown also for a written "\n"; in markdown, blank lines count as one), no other
// HTML tags, entity codes (#quot;, #9829;, &amp;) decoded, icons (fa:fa-car) dropped, markdown's
// bold and italic markers dropped and its lines trimmed; runs of blanks count as one. Mermaid's
// model holds entity codes in its own placeholders ("\uFB02\xB0quot\xB6\xDF") until it draws;
// decodeHtml(s) decodes the HTML entities of s.
export function shownText(text, labelType, decodeHtml) {
  let s = String(text ?? '');
  if (labelType === 'markdown') {
    s = s.replace(/\*\*(.+?)\*\*/gs, '$1').replace(/__(.+?)__/gs, '$1')
      .replace(/\*(\S(?:.*?\S)?)\*/gs, '$1')
      .replace(/(^|[^\p{L}\p{N}])_(\S(?:.*?\S)?)_(?![\p{L}\p{N}])/gsu, '$1$2').replace(/\n{2,}/g, '\n');
  } else {
    s = s.replace(/\\n/g, '\n');
  }
  s = s.replace(/<br\s*\/?>/gi, '\n').replace(/<\/?[a-zA-Z][^>]*>/g, '');
  s = s.replace(/\uFB02\xB0\xB0/g, '&#').replace(/\uFB02\xB0/g, '&').replace(/\xB6\xDF/g, ';');
  s = decodeHtml(s);
  s = s.replace(/(^|\s)fa[bklrs]?:fa-[\w-]+/g, '$1');
  return sameBlanks(s);
}

// Our text goes through the blank rule only: everything else it must have done itself.
export function sameBlanks(text) {
  return String(text ?? '').split('\n').map((line) => line.replace(/[ \t\r]+/g, ' ').trim())
    .join('\n').replace(/^\n+|\n+$/g, '');
}
