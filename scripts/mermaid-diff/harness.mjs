// The differential check: Mermaid's parser judges every input, mermaid-dump gives our reader's
// graph for it, and the report lists each input where the two differ. Run through run.sh.
//
//   node harness.mjs --modules DIR --dump BIN [--reader NAME] [--docs FILE] [--only REGEX]
//                    [--out REPORT] [--self-check]
//
// Exit status 0 whatever the inputs give; 1 when the harness itself fails (or, with
// --self-check, when a known input does not come out as known).
import { readFileSync, writeFileSync } from 'node:fs';
import { judgeInput } from './compare.mjs';
import { docExamples, unique, variations } from './inputs.mjs';
import { loadJudge } from './judge.mjs';
import { ourViews } from './ours.mjs';
import { selfCheck } from './selfcheck.mjs';

function options(argv) {
  const o = { docs: null, out: null, reader: null, only: null, selfCheck: false };
  for (let i = 0; i < argv.length; ++i) {
    const a = argv[i];
    if (a === '--self-check') o.selfCheck = true;
    else if (['--modules', '--dump', '--reader', '--docs', '--only', '--out'].includes(a) && i + 1 < argv.length) o[a.slice(2)] = argv[++i];
    else throw new Error(`unknown argument '${a}'`);
  }
  if (!o.modules || !o.dump) throw new Error('--modules and --dump are needed');
  return o;
}

// The reason of a refusal without its place: "line 3, column 7: unexpected '.'" → "unexpected
// '.'"; Mermaid's parse errors by the token it did not expect.
function reasonOf(detail) {
  const reason = detail.replace(/^(ours|Mermaid): /, '').replace(/^line \d+(, column \d+)?: /, '');
  const parse = /^Parse error on line \d+: Expecting .*(got '[^']*')$/.exec(reason);
  return (parse ? `parse error, ${parse[1]}` : reason).slice(0, 120);
}

// "inputs 665, agree 329, differ 288 (19 without a warning), ...".
function totalsOf(results) {
  const count = (outcome) => results.filter((r) => r.outcome === outcome).length;
  const agree = count('agree') + count('both refuse');
  const silent = results.filter((r) => r.outcome === 'differ' && r.ours.warnings.length === 0).length;
  return `inputs ${results.length}, agree ${agree}, differ ${count('differ')} (${silent} without a warning), ` +
    `we refuse/they accept ${count('we refuse')}, they refuse/we accept ${count('they refuse')}` +
    (count('we fail') ? `, our reader crashed or hung ${count('we fail')}` : '');
}

function report(results, meta) {
  const totals = totalsOf(results);
  const kinds = new Map();
  const reasons = new Map();
  for (const r of results) {
    for (const kind of new Set(r.diffs.map((d) => d.kind))) kinds.set(kind, (kinds.get(kind) ?? 0) + 1);
    if (r.outcome === 'we refuse' || r.outcome === 'they refuse') {
      const key = `${r.outcome === 'we refuse' ? 'we refuse' : 'Mermaid refuses'}: ${reasonOf(r.diffs[0].detail)}`;
      reasons.set(key, (reasons.get(key) ?? 0) + 1);
    }
  }
  const sorted = (map) => [...map].sort((a, b) => b[1] - a[1] || a[0].localeCompare(b[0]));
  const lines = [
    `Mermaid differential check: Mermaid ${meta.version} against the reader of ${meta.reader}`,
    `inputs: ${meta.docCount} documentation examples (${meta.docs ?? 'no documentation page given'}), ` +
      `${results.length - meta.docCount} variations`,
    '', `totals: ${totals}`,
    `of them the documentation's examples: ${totalsOf(results.filter((r) => r.name.startsWith('doc ')))}`,
    '', 'inputs per kind of difference:',
    ...sorted(kinds).map(([k, n]) => `  ${String(n).padStart(4)}  ${k}`),
    '', 'reasons for refusing:', ...sorted(reasons).map(([k, n]) => `  ${String(n).padStart(4)}  ${k}`),
    '', 'differing inputs:',
  ];
  for (const r of results) {
    if (r.outcome === 'agree' || r.outcome === 'both refuse') continue;
    lines.push('', `== ${r.name} [${r.outcome}]`, ...r.text.replace(/\n$/, '').split('\n').map((l) => `   | ${l}`));
    for (const d of r.diffs) lines.push(`   - ${d.kind}: ${d.detail}`);
    for (const w of r.ours.warnings ?? []) lines.push(`   . our warning: ${w}`);
  }
  return { totals, text: lines.join('\n') + '\n' };
}

async function main() {
  const o = options(process.argv.slice(2));
  const judge = await loadJudge(o.modules);
  if (o.selfCheck) {
    const failures = await selfCheck(judge, (texts) => ourViews(o.dump, texts));
    for (const f of failures) console.error(`self-check: ${f}`);
    console.log(failures.length ? `self-check failed (${failures.length})` : 'self-check passed: 3 known inputs');
    return failures.length ? 1 : 0;
  }
  const docs = o.docs ? docExamples(readFileSync(o.docs, 'utf8')) : [];
  // --only: the inputs whose name or text the pattern finds, to look at one construct again.
  const only = o.only ? new RegExp(o.only) : null;
  const inputs = unique([...docs, ...variations()]).filter((i) => !only || only.test(i.name) || only.test(i.text));
  const docCount = inputs.filter((i) => i.name.startsWith('doc ')).length;
  const views = [];
  for (const input of inputs) views.push(await judge.view(input.text));
  const ours = ourViews(o.dump, inputs.map((i) => i.text));
  const results = inputs.map((input, k) => ({
    ...input, mermaid: views[k], ours: ours[k], ...judgeInput(views[k], ours[k], judge.decodeHtml),
  }));
  const { totals, text } = report(results, { version: judge.version, reader: o.reader ?? o.dump, docs: o.docs, docCount });
  if (o.out) {
    writeFileSync(o.out, text);
    writeFileSync(o.out.replace(/(\.txt)?$/, '.json'),
      JSON.stringify(results.map(({ name, text: t, outcome, diffs, mermaid, ours: mine }) =>
        ({ name, text: t, outcome, diffs, mermaid, ours: mine })), null, 1));
  } else {
    process.stdout.write(text);
  }
  console.log(`totals: ${totals}`);
  if (o.out) console.log(`report: ${o.out}`);
  return 0;
}

main().then((status) => process.exit(status), (error) => {
  console.error(`mermaid-diff: ${error?.stack ?? error}`);
  process.exit(1);
});
