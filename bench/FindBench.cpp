// Find and Replace on a large diagram: n labels in a grid of 100 columns, the texts a chart's
// shapes and connectors carry ("Check the order 17", "yes", "Send reminder to customer 17");
// every tenth text holds the word "invoice" once, so 10,000 texts give 1,000 hits.
#include <benchmark/benchmark.h>

#include "DiagramTexts.h"
#include "Finder.h"

namespace {

std::vector<semantics::Item> Labels(int n) {
  std::vector<semantics::Item> items(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    semantics::Item& l = items[static_cast<size_t>(i)];
    l.id = static_cast<uint64_t>(i + 1);
    l.kind = semantics::ItemKind::Label;
    // The grid is filled from the bottom right, so the reading order is work to find.
    const int cell = n - 1 - i;
    l.box = QRect((cell % 100) * 150, (cell / 100) * 80 + (cell % 3), 120, 18);
    l.stacking = i;
    const std::string number = std::to_string(i);
    switch (i % 10) {
      case 0: l.caption = "Send the invoice to customer " + number; break;
      case 3: l.caption = "yes"; break;
      case 6: l.caption = "Paid?"; break;
      default: l.caption = "Check the order " + number; break;
    }
  }
  return items;
}

// From the diagram's figures to the first hit: gathering the texts in reading order, then
// searching from the top. What a Find Next on a freshly opened diagram costs.
void BM_FindFirstHit(benchmark::State& state) {
  const std::vector<semantics::Item> items = Labels(static_cast<int>(state.range(0)));
  const find::TextMatcher matcher("invoice", {false, true});
  size_t hits = 0;
  for (auto _ : state) {
    const std::vector<find::DiagramText> texts = find::DiagramTexts(items);
    const std::vector<find::Hit> all = find::FindAll(texts, matcher);
    const auto step = find::NextHit(all, find::BeforeText(0));
    hits = all.size();
    benchmark::DoNotOptimize(step);
  }
  if (hits != static_cast<size_t>(state.range(0) / 10)) state.SkipWithError("wrong number of hits");
  state.counters["hits"] = static_cast<double>(hits);
}
BENCHMARK(BM_FindFirstHit)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The search alone, over texts already gathered.
void BM_FindAll(benchmark::State& state) {
  const std::vector<find::DiagramText> texts = find::DiagramTexts(Labels(static_cast<int>(state.range(0))));
  const find::TextMatcher matcher("invoice", {false, true});
  size_t hits = 0;
  for (auto _ : state) {
    const std::vector<find::Hit> all = find::FindAll(texts, matcher);
    hits = all.size();
    benchmark::DoNotOptimize(all.data());
  }
  if (hits != static_cast<size_t>(state.range(0) / 10)) state.SkipWithError("wrong number of hits");
}
BENCHMARK(BM_FindAll)->Arg(10000)->Unit(benchmark::kMillisecond);

// Replace All of 1,000 hits among 10,000 texts: the new texts, ready to apply.
void BM_ReplaceAll(benchmark::State& state) {
  const std::vector<find::DiagramText> texts = find::DiagramTexts(Labels(static_cast<int>(state.range(0))));
  const find::TextMatcher matcher("invoice", {false, true});
  int count = 0;
  for (auto _ : state) {
    const find::ReplaceAllResult r = find::ReplaceAll(texts, matcher, "bill");
    count = r.count;
    benchmark::DoNotOptimize(r.texts.data());
  }
  if (count != state.range(0) / 10) state.SkipWithError("wrong number of replacements");
  state.counters["replaced"] = count;
}
BENCHMARK(BM_ReplaceAll)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
