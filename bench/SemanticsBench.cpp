// The diagram's meaning on a large diagram: the whole graph, one shape's text, one connector
// with its label. The diagram is n figures in cells of ten, 25 cells to a row: a process box and
// a decision, each with its text, an arrow between them, an arrow with a "yes" label on to the
// next cell's box, and an elbow route of two lines and an arrow down to the box of the cell below.
#include <benchmark/benchmark.h>

#include "Connector.h"
#include "ConnectorLabel.h"
#include "DiagramGraph.h"
#include "ItemGrid.h"
#include "ShapeText.h"

namespace {

using namespace semantics;

constexpr int kColumns = 25, kPitchX = 300, kPitchY = 250;

Item Make(ItemKind kind, QRect box, TArrowDirection direction = adTopToBottom, std::string caption = {}) {
  Item i;
  i.kind = kind;
  i.box = box;
  i.direction = direction;
  i.caption = std::move(caption);
  return i;
}
Item Across(ItemKind kind, int x0, int x1, int y) {
  const int half = kind == ItemKind::Arrow ? 15 : 2;
  return Make(kind, QRect(x0, y - half, x1 - x0, 2 * half), adTopToTop);
}
Item Down(ItemKind kind, int x, int y0, int y1) {
  const int half = kind == ItemKind::Arrow ? 15 : 2;
  return Make(kind, QRect(x - half, y0, 2 * half, y1 - y0), adLeftToLeft);
}

struct Diagram {
  explicit Diagram(int n) {
    items.reserve(n);
    for (int cell = 0; static_cast<int>(items.size()) < n; ++cell) {
      const int x = (cell % kColumns) * kPitchX, y = (cell / kColumns) * kPitchY;
      const Item cellItems[] = {
          Make(ItemKind::Process, {x, y, 120, 50}),
          Make(ItemKind::Label, {x + 10, y + 16, 100, 18}, adTopToBottom, "Step"),
          Make(ItemKind::Decision, {x + 160, y - 10, 100, 70}),
          Make(ItemKind::Label, {x + 185, y + 16, 50, 18}, adTopToBottom, "Done?"),
          Across(ItemKind::Arrow, x + 120, x + 160, y + 25),
          Across(ItemKind::Arrow, x + 260, x + 300, y + 25),
          Make(ItemKind::Label, {x + 265, y + 2, 30, 16}, adTopToBottom, "yes"),
          Down(ItemKind::Line, x + 210, y + 60, y + 150),
          Across(ItemKind::Line, x + 60, x + 210, y + 150),
          Down(ItemKind::Arrow, x + 60, y + 150, y + 250),
      };
      for (const Item& i : cellItems) {
        if (static_cast<int>(items.size()) == n) break;
        items.push_back(i);
        items.back().id = items.size();
        items.back().stacking = static_cast<int>(items.size());
      }
    }
    grid = std::make_unique<ItemGrid>(items);
    query = grid->AsQuery();
  }
  std::vector<Item> items;
  std::unique_ptr<ItemGrid> grid;
  ItemQuery query;
};

void BM_FindGraph(benchmark::State& state) {
  const Diagram d(static_cast<int>(state.range(0)));
  size_t edges = 0;
  for (auto _ : state) {
    const graph::Graph g = FindGraph(d.items, d.query);
    edges = g.edges.size();
    benchmark::DoNotOptimize(g.nodes.data());
  }
  state.counters["edges"] = static_cast<double>(edges);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FindGraph)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Indexing the items, which a caller without an index of its own pays before FindGraph.
void BM_IndexItems(benchmark::State& state) {
  const Diagram d(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ItemGrid grid(d.items);
    benchmark::DoNotOptimize(&grid);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_IndexItems)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// One question at a time, each about another cell's figure.
void BM_ShapeText(benchmark::State& state) {
  const Diagram d(static_cast<int>(state.range(0)));
  size_t cell = 0, found = 0;
  const size_t cells = d.items.size() / 10;
  for (auto _ : state) {
    const Item& decision = d.items[(cell++ % cells) * 10 + 2];
    found += ShapeText(decision, d.query) != nullptr;
  }
  if (found != static_cast<size_t>(state.iterations())) state.SkipWithError("a decision without its text");
}
BENCHMARK(BM_ShapeText)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_ConnectorLabel(benchmark::State& state) {
  const Diagram d(static_cast<int>(state.range(0)));
  size_t cell = 0, found = 0;
  const size_t cells = d.items.size() / 10;
  for (auto _ : state) {
    // From the route's last segment: the walk goes back over the whole route.
    const Item& arrow = d.items[(cell++ % cells) * 10 + 9];
    const std::optional<Connector> c = ConnectorOf(arrow, d.query);
    found += c && c->segments.size() == 3;
    benchmark::DoNotOptimize(c ? ConnectorLabel(*c, d.query) : nullptr);
  }
  if (found != static_cast<size_t>(state.iterations())) state.SkipWithError("a route not found whole");
}
BENCHMARK(BM_ConnectorLabel)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The "yes" arrow and its label, found from the label's side too.
void BM_LabelledArrow(benchmark::State& state) {
  const Diagram d(static_cast<int>(state.range(0)));
  size_t cell = 0, found = 0;
  const size_t cells = d.items.size() / 10;
  for (auto _ : state) {
    const size_t base = (cell++ % cells) * 10;
    const std::optional<Connector> c = ConnectorOf(d.items[base + 5], d.query);
    found += c && ConnectorLabel(*c, d.query) == &d.items[base + 6];
  }
  if (found != static_cast<size_t>(state.iterations())) state.SkipWithError("a yes label not found");
}
BENCHMARK(BM_LabelledArrow)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
