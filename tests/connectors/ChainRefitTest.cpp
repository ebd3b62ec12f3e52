// An elbow chain put onto a new route: its lines take the first runs, its arrow the last; runs
// beyond its lines become new lines, lines beyond the runs go. Ends worked out by hand.
#include <gtest/gtest.h>

#include "ChainRefit.h"
#include "ConnectorGeometry.h"

namespace {

using connectors::Figure;
using connectors::FigureId;
using Span = std::pair<QPoint, QPoint>;

FigureId Id(int n) { return reinterpret_cast<FigureId>(static_cast<uintptr_t>(n)); }

struct RefitCase {
  const char* name;
  int lines;  // the chain's lines before its arrow (ids 1, 2, ...; the arrow 9)
  std::vector<QPoint> route;
  std::vector<Span> kept;   // the kept figures' ends, in course order
  std::vector<int> keptIds;
  std::vector<Span> added;
  std::vector<int> removed;
};
void PrintTo(const RefitCase& c, std::ostream* os) { *os << c.name; }
class ChainRefitTest : public testing::TestWithParam<RefitCase> {};

TEST_P(ChainRefitTest, KeepsAddsAndRemoves) {
  const RefitCase& k = GetParam();
  std::vector<Figure> chain;
  for (int i = 1; i <= k.lines; ++i) chain.push_back(Figure{Id(i), connectors::FigureKind::Line, {0, 0, 10, 4}, adTopToTop});
  chain.push_back(Figure{Id(9), connectors::FigureKind::Arrow, {0, 0, 10, 30}, adTopToTop, apRight});
  const connectors::ChainRefit r = connectors::RefitChain(chain, k.route, 2, {5, 1});
  const auto ends = [](const std::vector<Figure>& figures) {
    std::vector<Span> out;
    for (const Figure& f : figures) {
      const connectors::Ends e = connectors::EndsOf(f);
      out.emplace_back(e.start, e.end);
    }
    return out;
  };
  EXPECT_EQ(ends(r.kept), k.kept);
  std::vector<int> ids, removed;
  for (const Figure& f : r.kept) ids.push_back(static_cast<int>(reinterpret_cast<uintptr_t>(f.id)));
  for (FigureId id : r.removed) removed.push_back(static_cast<int>(reinterpret_cast<uintptr_t>(id)));
  EXPECT_EQ(ids, k.keptIds);
  EXPECT_EQ(ends(r.added), k.added);
  for (const Figure& f : r.added) EXPECT_EQ(f.kind, connectors::FigureKind::Line);
  EXPECT_EQ(removed, k.removed);
  EXPECT_EQ(r.kept.back().kind, connectors::FigureKind::Arrow);
  EXPECT_TRUE(connectors::HeadAtEnd(r.kept.back().heads));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChainRefitTest,
    testing::Values(
        RefitCase{"AsManyRuns", 1, {{0, 0}, {100, 0}, {100, 80}}, {{{0, 0}, {100, 0}}, {{100, 0}, {100, 80}}}, {1, 9}, {}, {}},
        RefitCase{"MoreRuns", 1, {{0, 0}, {50, 0}, {50, 80}, {100, 80}},
                  {{{0, 0}, {50, 0}}, {{50, 80}, {100, 80}}}, {1, 9}, {{{50, 0}, {50, 80}}}, {}},
        RefitCase{"FewerRuns", 3, {{0, 0}, {0, 60}, {100, 60}}, {{{0, 0}, {0, 60}}, {{0, 60}, {100, 60}}}, {1, 9}, {}, {2, 3}},
        // One run still makes two figures: the chain stays an elbow connector, cut at the middle.
        RefitCase{"OneRunCutInTwo", 2, {{0, 0}, {100, 0}}, {{{0, 0}, {50, 0}}, {{50, 0}, {100, 0}}}, {1, 9}, {}, {2}},
        RefitCase{"NoRoute", 1, {{5, 5}}, {{{0, 2}, {10, 2}}, {{0, 15}, {10, 15}}}, {1, 9}, {}, {}}),
    [](const testing::TestParamInfo<RefitCase>& i) { return std::string(i.param.name); });

}  // namespace
