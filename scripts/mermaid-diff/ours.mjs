// Our reader's side of the differential check: mermaid-dump, run once for all inputs.
import { spawnSync } from 'node:child_process';

// Our reader's view of every text, in one run of mermaid-dump; a crash or a hang costs that one
// input (recorded as such) and the run goes on with the next.
export function ourViews(dump, texts) {
  const views = [];
  while (views.length < texts.length) {
    const rest = texts.slice(views.length);
    const input = rest.map((text) => JSON.stringify({ text })).join('\n') + '\n';
    const timeout = 30000 + 50 * rest.length;
    const run = spawnSync(dump, [], { input, encoding: 'utf8', maxBuffer: 1 << 30, timeout });
    if (run.error && run.error.code !== 'ETIMEDOUT') throw new Error(`${dump}: ${run.error.message}`);
    // Only whole lines: a run cut off in the middle of one leaves a part of it.
    const lines = run.stdout.split('\n').slice(0, -1).filter((l) => l.length);
    for (const line of lines) views.push(JSON.parse(line));
    if (lines.length < rest.length) {
      if (run.status === 2) throw new Error(`${dump}: ${run.stderr.trim()}`);
      const how = run.error ? `hung (no answer within ${timeout / 1000} s)` : `crashed (${run.signal ?? `exit status ${run.status}`})`;
      views.push({ ok: false, crashed: `our reader ${how}` });
    }
  }
  return views;
}
