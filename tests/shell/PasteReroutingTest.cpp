// A paste with View > Keep Connectors and Labels Attached on routes the pasted elbow connectors
// again around the shapes already there, in the paste's one step. Boxes A (100, 100, 100 x 50)
// and B (400, 100, 100 x 50) joined by a chain out of A's bottom, down to y 190, across and up
// into B's bottom; copied and pasted, the copies lie 10 right of and below them, the copied chain
// (160, 160), (160, 200), (460, 200), (460, 160). Box C (270, 170, 60 x 60) lies across its run
// along y 200.
#include <QUndoStack>
#include <unordered_set>

#include "ChartWork.h"
#include "ConnectorGeometry.h"
#include "ConnectorOptions.h"
#include "Diagram.h"
#include "DocumentCharts.h"
#include "FigureTransfer.h"
#include "HistoryFixture.h"
#include "Outline.h"

namespace {

using Course = std::vector<QPoint>;

// The course of the connector among the figures: from the tail to the arrow's head, every joint
// exact; empty when they make none.
Course CourseOf(const std::vector<TCustomKDTool*>& figures) {
  std::vector<connectors::Ends> ends;
  Course course;
  for (TCustomKDTool* f : figures) {
    auto* arrow = qobject_cast<TKDArrow*>(f);
    auto* line = qobject_cast<TKDLine*>(f);
    if (!arrow && !line) continue;
    const connectors::Ends e = connectors::EndsOf(f->BoundsRect(), arrow ? arrow->ArrowDirection() : line->Orientation());
    if (arrow) course = connectors::HeadAtEnd(arrow->ArrowPosition()) ? Course{e.end, e.start} : Course{e.start, e.end};
    else ends.push_back(e);
  }
  while (!course.empty() && !ends.empty()) {
    auto next = std::find_if(ends.begin(), ends.end(), [&](const connectors::Ends& e) { return e.start == course.back() || e.end == course.back(); });
    if (next == ends.end()) return {};
    course.push_back(next->start == course.back() ? next->end : next->start);
    ends.erase(next);
  }
  std::reverse(course.begin(), course.end());
  return course;
}

bool Crosses(const Course& course, const QRect& box) {
  for (size_t i = 0; i + 1 < course.size(); ++i)
    if (box.adjusted(1, 1, -1, -1).intersects(QRect(course[i], course[i + 1]).normalized().adjusted(0, 0, 1, 1))) return true;
  return false;
}

class PasteRerouting;
struct PasteCase {
  const char* name;
  bool keepAttached;
  void (*paste)(PasteRerouting&);
  bool aroundC;  // the pasted course goes around C; otherwise it is the copied one, 10 lower
};
void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

class PasteRerouting : public HistoryFixture, public testing::WithParamInterface<PasteCase> {
 public:
  void CopyAndPaste() {
    main->btnCopyClick();
    main->btnPasteClick();
  }
  void PasteRecords() { doc->PasteFigures(figuretransfer::Records(doc->CarriedFigures())); }

 protected:
  void TearDown() override {
    ConnectorOptions::Instance().SetKeepAttached(false);
    HistoryFixture::TearDown();
  }
};

TEST_P(PasteRerouting, AroundWhatIsThereInOneStep) {
  const PasteCase& k = GetParam();
  ConnectorOptions::Instance().SetKeepAttached(k.keepAttached);
  TCustomKDTool* a = Add<TKDRectangle>(doc, {100, 100, 100, 50});
  TCustomKDTool* b = Add<TKDRectangle>(doc, {400, 100, 100, 50});
  auto* down = Add<TKDLine>(doc, {148, 150, 4, 40});
  down->SetOrientation(adLeftToLeft);
  auto* across = Add<TKDLine>(doc, {150, 188, 300, 4});
  across->SetOrientation(adTopToTop);
  auto* up = Add<TKDArrow>(doc, {435, 150, 30, 40});
  up->SetArrowDirection(adLeftToLeft);
  up->SetArrowPosition(apLeft);
  TCustomKDTool* c = Add<TKDRectangle>(doc, {270, 170, 60, 60});
  testsupport::Flush();
  doc->FigureSet().Select({a, b, down, across, up});
  const std::vector<TCustomKDTool*> before = doc->Figures();
  const std::vector<uint8_t> bytes = SaveBytes(doc);
  const int steps = doc->UndoStack()->count();
  k.paste(*this);
  testsupport::Flush();
  const std::unordered_set<TCustomKDTool*> old(before.begin(), before.end());
  std::vector<TCustomKDTool*> pasted;
  for (TCustomKDTool* f : doc->Figures())
    if (!old.count(f)) pasted.push_back(f);
  const Course course = CourseOf(pasted);
  ASSERT_GE(course.size(), 2u);
  if (k.aroundC) {
    EXPECT_FALSE(Crosses(course, c->BoundsRect()));
    for (size_t i = 0; i + 1 < course.size(); ++i)
      EXPECT_TRUE((course[i].x() == course[i + 1].x()) != (course[i].y() == course[i + 1].y())) << "run " << i;
    EXPECT_LE(connectors::DistanceToOutline(connectors::FigureKind::Box, {110, 110, 100, 50}, course.front()), 1.0);
    EXPECT_LE(connectors::DistanceToOutline(connectors::FigureKind::Box, {410, 110, 100, 50}, course.back()), 1.0);
    EXPECT_NE(course, (Course{{160, 160}, {160, 200}, {460, 200}, {460, 160}}));
  } else {
    EXPECT_EQ(course, (Course{{160, 160}, {160, 200}, {460, 200}, {460, 160}}));
  }
  EXPECT_EQ(doc->UndoStack()->count(), steps + 1);
  doc->Undo();
  EXPECT_EQ(doc->Figures().size(), before.size());
  EXPECT_EQ(SaveBytes(doc), bytes);
}

void CopyAndPaste(PasteRerouting& t) { t.CopyAndPaste(); }
void PasteRecords(PasteRerouting& t) { t.PasteRecords(); }

INSTANTIATE_TEST_SUITE_P(Pastes, PasteRerouting,
                         testing::Values(PasteCase{"CopyAndPaste", true, CopyAndPaste, true},
                                         PasteCase{"PasteOfRecords", true, PasteRecords, true},
                                         PasteCase{"AsCopiedWhenKeepAttachedIsOff", false, CopyAndPaste, false}),
                         [](const testing::TestParamInfo<PasteCase>& i) { return std::string(i.param.name); });

// A chart pasted from text where a box lies across one of its routes: the route goes around it.
// Pasted once to learn where its routes run, undone, a box put across the middle of the longest
// run of a bent one, pasted again.
TEST_F(PasteRerouting, ChartTextAroundAShapeThere) {
  ConnectorOptions::Instance().SetKeepAttached(true);
  flowchart::WorkHere work;
  const QString text = QStringLiteral("flowchart TD\n A[One] --> B[Two]\n A --> C[Three]\n A --> D[Four]\n");
  const QPoint at(100, 100);
  ASSERT_EQ(flowchart::PasteChart(*doc, text, at, flowchart::ConnectorForm::Elbow, work), flowchart::Pasted::Done);
  QPoint p, q;
  for (TCustomKDTool* f : doc->Figures())
    if (auto* line = qobject_cast<TKDLine*>(f)) {
      const connectors::Ends e = connectors::EndsOf(f->BoundsRect(), line->Orientation());
      if ((e.end - e.start).manhattanLength() > (q - p).manhattanLength()) p = e.start, q = e.end;
    }
  ASSERT_GE((q - p).manhattanLength(), 40) << "no bent route";
  doc->Undo();
  ASSERT_TRUE(doc->Figures().empty());
  const QPoint mid = (p + q) / 2;
  const QRect across(mid.x() - 10, mid.y() - 10, 20, 20);
  Add<TKDRectangle>(doc, across);
  testsupport::Flush();
  const int index = doc->UndoStack()->index();
  ASSERT_EQ(flowchart::PasteChart(*doc, text, at, flowchart::ConnectorForm::Elbow, work), flowchart::Pasted::Done);
  testsupport::Flush();
  for (TCustomKDTool* f : doc->Figures()) {
    auto* line = qobject_cast<TKDLine*>(f);
    auto* arrow = qobject_cast<TKDArrow*>(f);
    if (!line && !arrow) continue;
    const connectors::Ends e = connectors::EndsOf(f->BoundsRect(), line ? line->Orientation() : arrow->ArrowDirection());
    EXPECT_FALSE(Crosses({e.start, e.end}, across));
  }
  EXPECT_EQ(doc->UndoStack()->index(), index + 1);
  doc->Undo();
  EXPECT_EQ(doc->Figures().size(), 1u);
}

}  // namespace
