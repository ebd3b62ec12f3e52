// The rubber band: every figure wholly inside it, edges included, whichever way it is dragged;
// with connectors kept attached, a connector comes whole or not at all.
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

struct CatchCase {
  const char* name;
  bool keepAttached;
  QPoint from, to;
  std::vector<int> selected;  // 0, 1, 2: the route's two lines and its arrow
};
void PrintTo(const CatchCase& c, std::ostream* os) { *os << c.name; }

class BandCatch : public ConnectWireFixture, public testing::WithParamInterface<CatchCase> {};

// A (100, 100) and B (400, 300), 100 x 50 each; a route from A's right middle (200, 125) right to
// (300, 125), down to (300, 325) and right into B's left middle (400, 325).
const CatchCase kCatches[] = {
    {"MiddleLineAlone", true, {285, 110}, {315, 335}, {}},
    {"TwoOfThree", true, {195, 90}, {315, 335}, {}},
    {"TheWholeRoute", true, {195, 90}, {405, 345}, {0, 1, 2}},
    {"MiddleLineAloneSwitchOff", false, {285, 110}, {315, 335}, {1}},
};

TEST_P(BandCatch, ConnectorWholeOrNotAtAll) {
  const CatchCase& c = GetParam();
  ConnectorOptions::Instance().SetKeepAttached(c.keepAttached);
  Add<TKDRectangle>(doc, QRect(100, 100, 100, 50));
  Add<TKDRectangle>(doc, QRect(400, 300, 100, 50));
  auto* first = Add<TKDLine>(doc, QRect(200, 123, 100, 4));
  first->SetOrientation(adTopToTop);
  auto* second = Add<TKDLine>(doc, QRect(298, 125, 4, 200));
  second->SetOrientation(adLeftToLeft);
  auto* arrow = Add<TKDArrow>(doc, QRect(300, 310, 100, 30));
  arrow->SetArrowDirection(adTopToTop);
  const std::vector<TCustomKDTool*> route{first, second, arrow};
  UseTool("btnSelect");
  Drag(c.from, c.to);
  testsupport::Flush();
  std::vector<int> selected;
  for (int i = 0; i < 3; ++i)
    if (route[static_cast<size_t>(i)]->HaveFocused()) selected.push_back(i);
  EXPECT_EQ(selected, c.selected);
}

INSTANTIATE_TEST_SUITE_P(Bands, BandCatch, testing::ValuesIn(kCatches),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
