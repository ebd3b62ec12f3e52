// Two versions of a small order flow, each pair changing one thing, and the lines the comparison
// prints for it; then the marks the picture of the changes adds.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ConnectorGeometry.h"
#include "DiagramDiff.h"
#include "DiffPicture.h"

using figures::Figure;
using figures::FigureKind;

namespace {

struct StepSpec {
  FigureKind kind;
  QRect box;
  std::string text;
  std::string id;  // the Index an import gives; empty for a shape drawn by hand
  TColor fill = clWhite;
};

struct LinkSpec {
  int from, to;  // step places
  std::string label;
  TPenStyle pen = psSolid;
  int shift = 0;  // how far right of the middle its arrow leaves its first shape
};

struct Chart {
  std::vector<StepSpec> steps;
  std::vector<LinkSpec> links;
};

// A start, a decision and a process joined top to bottom, "yes" on the second arrow.
Chart OrderFlow() {
  return {{{FigureKind::Process, QRect(40, 40, 120, 60), "Take order", ""},
           {FigureKind::Diamond, QRect(40, 160, 120, 80), "Paid?", ""},
           {FigureKind::Process, QRect(40, 300, 120, 60), "Ship", ""}},
          {{0, 1, ""}, {1, 2, "yes"}}};
}

// The figures as the editor draws them: each shape with its text label inside it, each link an
// arrow from the bottom middle of one shape to the top middle of the other, its label beside its
// middle.
std::vector<Figure> Draw(const Chart& c) {
  std::vector<Figure> out;
  const auto add = [&](Figure f) {
    f.id = out.size() + 1;
    out.push_back(std::move(f));
  };
  for (const StepSpec& s : c.steps) {
    Figure shape = figures::NewFigure(s.kind, s.box);
    shape.style.fillColor = s.fill;
    shape.legacy.index = s.id;
    add(shape);
    Figure text = figures::NewFigure(FigureKind::Label, s.box.adjusted(20, 20, -20, -20));
    text.style.caption = s.text;
    text.style.fillStyle = bsClear;
    add(text);
  }
  for (const LinkSpec& l : c.links) {
    const QRect a = c.steps[static_cast<size_t>(l.from)].box, b = c.steps[static_cast<size_t>(l.to)].box;
    const QPoint from(a.center().x() + l.shift, a.bottom() + 1), to(b.center().x(), b.top());
    connectors::Figure laid;
    laid.kind = connectors::FigureKind::Arrow;
    laid = connectors::Rebuild(laid, from, to);
    Figure arrow = figures::NewFigure(FigureKind::Arrow, laid.box);
    arrow.direction = laid.direction;
    arrow.arrow.position = laid.heads;
    arrow.style.lineStyle = l.pen;
    add(arrow);
    if (!l.label.empty()) {
      const QPoint mid = (from + to) / 2;
      Figure label = figures::NewFigure(FigureKind::Label, QRect(mid.x() + 6, mid.y() - 8, 30, 16));
      label.style.caption = l.label;
      label.style.fillStyle = bsClear;
      add(label);
    }
  }
  return out;
}

std::vector<std::string> Lines(const diagramdiff::Comparison& c) {
  std::vector<std::string> lines;
  for (const diagramdiff::Difference& d : c.differences) lines.push_back(d.line);
  return lines;
}

TEST(DiagramDiff, OneChangeEach) {
  struct Row {
    const char* name;
    std::function<void(Chart&)> change;
    std::vector<std::string> lines;
    std::function<void(Chart&)> before = [](Chart&) {};
  };
  const Row rows[] = {
      {"nothing", [](Chart&) {}, {}},
      {"moved", [](Chart& c) { c.steps[2].box.moveTo(240, 300); }, {"moved   process \"Ship\" (40,300) -> (240,300)"}},
      {"retexted", [](Chart& c) { c.steps[2].text = "Ship order"; }, {"retexted process \"Ship\" -> \"Ship order\""}},
      {"restyled", [](Chart& c) { c.steps[2].fill = 0xfce8da; }, {"restyled process \"Ship\" fill #ffffff -> #dae8fc"}},
      {"resized and recast",
       [](Chart& c) {
         c.steps[0].kind = FigureKind::Rectangle;
         c.steps[0].box.setWidth(140);
       },
       {"restyled rectangle \"Take order\" kind process -> rectangle, size 120x60 -> 140x60"}},
      {"step added",
       [](Chart& c) { c.steps.push_back({FigureKind::Process, QRect(240, 300, 120, 60), "Refund", ""}); },
       {"added   process \"Refund\""}},
      {"step removed with its connector",
       [](Chart& c) {
         c.steps.pop_back();
         c.links.pop_back();
       },
       {"removed process \"Ship\"", "removed connector \"Paid?\" -> \"Ship\" \"yes\""}},
      {"connector added",
       [](Chart& c) {
         c.steps.push_back({FigureKind::Process, QRect(240, 300, 120, 60), "Refund", ""});
         c.links.push_back({1, 3, "no"});
       },
       {"added   process \"Refund\"", "added   connector \"Paid?\" -> \"Refund\" \"no\""}},
      {"connector retexted", [](Chart& c) { c.links[1].label = "ok"; },
       {"retexted connector \"Paid?\" -> \"Ship\" \"yes\" -> \"ok\""}},
      {"connector moved", [](Chart& c) { c.links[0].shift = 30; }, {"moved   connector \"Take order\" -> \"Paid?\""}},
      {"connector restyled", [](Chart& c) { c.links[1].pen = psDash; },
       {"restyled connector \"Paid?\" -> \"Ship\" \"yes\" line solid -> dashed"}},
      // Renamed and moved far off: only an id tells it is the same step...
      {"matched by id",
       [](Chart& c) {
         c.steps[2].text = "Dispatch";
         c.steps[2].box.moveTo(400, 300);
       },
       {"moved   process \"Dispatch\" (40,300) -> (400,300)", "retexted process \"Ship\" -> \"Dispatch\""},
       [](Chart& c) { c.steps[2].id = "ship"; }},
      // ...without one it is another step.
      {"no id",
       [](Chart& c) {
         c.steps[2].text = "Dispatch";
         c.steps[2].box.moveTo(400, 300);
       },
       {"removed process \"Ship\"", "removed connector \"Paid?\" -> \"Ship\" \"yes\"", "added   process \"Dispatch\"",
        "added   connector \"Paid?\" -> \"Dispatch\" \"yes\""}},
      // Two steps of one text: each is matched with the one nearest its old place.
      {"same text, nearest place",
       [](Chart& c) {
         c.steps[1].box.moveTo(500, 160);
         c.steps[0].box.moveTo(60, 40);
       },
       {"moved   process \"Check\" (40,40) -> (60,40)", "moved   process \"Check\" (40,160) -> (500,160)"},
       [](Chart& c) {
         c.steps[1] = {FigureKind::Process, QRect(40, 160, 120, 60), "Check", ""};
         c.steps[0].text = "Check";
         c.links.clear();
       }},
  };
  for (const Row& r : rows) {
    Chart before = OrderFlow();
    r.before(before);
    Chart after = before;
    r.change(after);
    const diagramdiff::Comparison c = diagramdiff::Compare(Draw(before), Draw(after));
    EXPECT_EQ(Lines(c), r.lines) << r.name;
    EXPECT_EQ(c.Same(), r.lines.empty()) << r.name;
  }
}

// The picture: B's figures in their order, removed ones as red dotted ghosts below them, a moved
// step's old outline and a trace below them, an orange outline above a retexted step.
TEST(DiagramDiff, MarkedPicture) {
  Chart after = OrderFlow();
  after.steps[0].box.moveTo(240, 40);  // moved: the arrow from it now runs slanted
  after.steps[1].text = "Paid in full?";
  after.steps.pop_back();  // "Ship", its text, the arrow to it and "yes" removed
  after.links.pop_back();
  const std::vector<Figure> a = Draw(OrderFlow()), b = Draw(after);
  const std::vector<Figure> marked = diagramdiff::MarkedFigures(a, b, diagramdiff::Compare(a, b));
  struct Mark {
    FigureKind kind;
    TColor line;
    TPenStyle pen;
    QRect box;  // empty: not checked
  };
  const Mark want[] = {
      {FigureKind::Process, diagramdiff::kRemovedColour, psDot, QRect(40, 300, 120, 60)},   // the ghost of "Ship"
      {FigureKind::Label, a[5].style.lineColor, a[5].style.lineStyle, a[5].box},             // its text (red caption)
      {FigureKind::Arrow, diagramdiff::kRemovedColour, psDot, a[7].box},                   // the arrow to it
      {FigureKind::Label, a[8].style.lineColor, a[8].style.lineStyle, a[8].box},             // "yes"
      {FigureKind::Process, diagramdiff::kTraceColour, psDot, QRect(40, 40, 120, 60)},      // old place of "Take order"
      {FigureKind::Line, diagramdiff::kTraceColour, psDot, QRect(99, 67, 200, 4)},           // centre to centre
  };
  ASSERT_EQ(marked.size(), std::size(want) + b.size() + 1);
  for (size_t i = 0; i < std::size(want); ++i) {
    EXPECT_EQ(marked[i].kind, want[i].kind) << i;
    EXPECT_EQ(marked[i].style.lineColor, want[i].line) << i;
    EXPECT_EQ(marked[i].style.lineStyle, want[i].pen) << i;
    EXPECT_EQ(marked[i].box, want[i].box) << i;
  }
  EXPECT_EQ(marked[1].style.font.color, diagramdiff::kRemovedColour);
  EXPECT_EQ(marked[0].style.fillStyle, bsClear);
  for (size_t i = 0; i < b.size(); ++i) {
    Figure same = marked[std::size(want) + i];
    same.id = b[i].id;
    EXPECT_EQ(same, b[i]) << i;
  }
  const Figure& outline = marked.back();
  EXPECT_EQ(outline.kind, FigureKind::Rectangle);
  EXPECT_EQ(outline.style.lineColor, diagramdiff::kChangedColour);
  EXPECT_EQ(outline.style.fillStyle, bsClear);
  EXPECT_EQ(outline.box, QRect(35, 155, 130, 90));  // the decision's box, 5 pixels out
}

}  // namespace
