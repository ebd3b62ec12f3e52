// The rubber band: every figure wholly inside it, edges included, whichever way it is dragged.
#include "ConnectWireFixture.h"

namespace {

struct EdgeCase {
  const char* name;
  QPoint from, to;
  bool selected;
};
void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }

class BandEdges : public ConnectWireFixture, public testing::WithParamInterface<std::tuple<EdgeCase, bool>> {};

// An ellipse (100, 100) 50 x 50: its box's corners lie off its outline, so a press there starts a
// band. Left + Width = 150, Top + Height = 150.
const EdgeCase kEdges[] = {
    {"DownRight", {100, 100}, {150, 150}, true},
    {"UpLeft", {150, 150}, {100, 100}, true},
    {"UpRight", {100, 150}, {150, 100}, true},
    {"DownLeft", {150, 100}, {100, 150}, true},
    {"OneShortOnTheLeft", {101, 100}, {150, 150}, false},
    {"OneShortOnTheRight", {149, 150}, {100, 100}, false},
    {"OneShortAtTheTop", {150, 150}, {100, 101}, false},
    {"OneShortAtTheBottom", {100, 100}, {150, 149}, false},
};

TEST_P(BandEdges, EdgesIncluded) {
  const auto& [c, keepAttached] = GetParam();
  ConnectorOptions::Instance().SetKeepAttached(keepAttached);
  auto* e = Add<TKDEllipse>(doc, QRect(100, 100, 50, 50));
  UseTool("btnSelect");
  Drag(c.from, c.to);
  testsupport::Flush();
  EXPECT_EQ(e->HaveFocused(), c.selected);
}

INSTANTIATE_TEST_SUITE_P(Drags, BandEdges, testing::Combine(testing::ValuesIn(kEdges), testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "SwitchOn" : "SwitchOff");
                         });

}  // namespace
