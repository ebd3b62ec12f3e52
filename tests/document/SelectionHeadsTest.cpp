// Which figure stands for a label in a selection: the shape it is the text of, else the label.
// One shape P (100, 100, 200 x 100) and one label L; the answer is bottom first, each figure once.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Diagram.h"
#include "KDTools.h"
#include "SelectionUnits.h"

namespace {

enum class Given { All, AllTopFirst, LabelOnly };

struct HeadsCase {
  const char* name;
  bool labelBelow;  // the label added before the shape
  bool shapeIsLine;
  bool shapeHidden;
  QRect label;
  Given given;
  std::string heads;  // "P" and "L" in the order expected
};
void PrintTo(const HeadsCase& c, std::ostream* os) { *os << c.name; }

class SelectionHeads : public ::testing::TestWithParam<HeadsCase> {};

TEST_P(SelectionHeads, ShapeStandsForItsText) {
  const HeadsCase& c = GetParam();
  Diagram diagram;
  TCustomKDTool* label = nullptr;
  const auto addLabel = [&] {
    auto l = std::make_unique<TKDLabel>();
    l->ApplyBounds(c.label.x(), c.label.y(), c.label.width(), c.label.height());
    label = diagram.Add(std::move(l));
  };
  if (c.labelBelow) addLabel();
  std::unique_ptr<TCustomKDTool> s;
  if (c.shapeIsLine) s = std::make_unique<TKDLine>();
  else s = std::make_unique<TKDProcess>();
  s->ApplyBounds(100, 100, 200, 100);
  TCustomKDTool* shape = diagram.Add(std::move(s));
  if (c.shapeHidden) shape->hide();
  if (!c.labelBelow) addLabel();

  std::vector<TCustomKDTool*> given = diagram.Figures();
  if (c.given == Given::AllTopFirst) given = {given[1], given[0]};
  if (c.given == Given::LabelOnly) given = {label};
  std::string heads;
  for (const TCustomKDTool* f : selectionunits::Heads(diagram, given)) heads += f == shape ? "P" : f == label ? "L" : "?";
  EXPECT_EQ(heads, c.heads);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, SelectionHeads,
    ::testing::Values(HeadsCase{"OnTheShape", false, false, false, {120, 120, 50, 20}, Given::All, "P"},
                      HeadsCase{"OnTheShapeGivenTopFirst", false, false, false, {120, 120, 50, 20}, Given::AllTopFirst, "P"},
                      HeadsCase{"OnTheShapeGivenAlone", false, false, false, {120, 120, 50, 20}, Given::LabelOnly, "P"},
                      HeadsCase{"FillingTheShape", false, false, false, {100, 100, 200, 100}, Given::All, "P"},
                      HeadsCase{"BesideTheShape", false, false, false, {400, 120, 50, 20}, Given::All, "PL"},
                      HeadsCase{"PastTheShapesEdge", false, false, false, {280, 120, 50, 20}, Given::All, "PL"},
                      HeadsCase{"UnderTheShape", true, false, false, {120, 120, 50, 20}, Given::All, "LP"},
                      HeadsCase{"UnderTheShapeGivenTopFirst", true, false, false, {120, 120, 50, 20}, Given::AllTopFirst, "LP"},
                      HeadsCase{"OnALine", false, true, false, {120, 120, 50, 20}, Given::All, "PL"},
                      HeadsCase{"OnAHiddenShape", false, false, true, {120, 120, 50, 20}, Given::All, "PL"}),
    [](const ::testing::TestParamInfo<HeadsCase>& info) { return std::string(info.param.name); });

}  // namespace
