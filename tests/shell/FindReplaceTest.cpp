// Edit > Find, Find Next, Find Previous, Replace and Replace All on a real window: the figure of
// each hit selected and in view, wrapping said in the status bar, Replace All one step.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

#include "ChartFixture.h"
#include "Diagram.h"
#include "FindDialog.h"

namespace {

// The fixture's chart with texts to find "pay" in. Reading order: note, A's text, yes, B's text.
class FindReplace : public ChartFixture {
 protected:
  void SetUp() override {
    ChartFixture::SetUp();
    textA->SetCaption("Pay order");
    textB->SetCaption("Check payment");
    yes->SetCaption("pay");
    note->SetCaption("Repay");
    testsupport::Flush();
  }
  void Trigger(const char* action) {
    QAction* a = main->findChild<QAction*>(QLatin1String(action));
    ASSERT_NE(a, nullptr) << action;
    a->trigger();
    testsupport::Flush();
  }
  // Opens Find (or Replace) and fills the box in.
  void Ask(const QString& pattern, bool matchCase = false, bool wholeWord = false, bool replacing = false,
           const QString& with = {}) {
    Trigger(replacing ? "Replace1" : "Find1");
    auto* dialog = main->findChild<FindDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>(QStringLiteral("FindText"))->setText(pattern);
    dialog->findChild<QLineEdit*>(QStringLiteral("ReplaceText"))->setText(with);
    dialog->findChild<QCheckBox*>(QStringLiteral("MatchCase"))->setChecked(matchCase);
    dialog->findChild<QCheckBox*>(QStringLiteral("WholeWord"))->setChecked(wholeWord);
  }
  void Press(const char* button) {
    auto* b = main->findChild<FindDialog*>()->findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
    testsupport::Flush();
  }
  std::vector<TCustomKDTool*> Selected() const { return doc->FigureSet().Selected(); }
  QString Status() const { return main->StatusBar1->currentMessage(); }
  std::vector<std::string> Captions() const {
    return {textA->Caption(), textB->Caption(), yes->Caption(), note->Caption()};
  }
};

enum class Who { A, B, Yes, Note };

struct StepCase {
  const char* name;
  bool matchCase, wholeWord, backward;
  std::vector<Who> selected;  // after each press; the last press wraps round
};

class FindSteps : public FindReplace, public ::testing::WithParamInterface<StepCase> {};

TEST_P(FindSteps, EachHitsFigureSelectedInOrderThenWraps) {
  const StepCase& c = GetParam();
  Ask(QStringLiteral("pay"), c.matchCase, c.wholeWord);
  const std::map<Who, TCustomKDTool*> figure = {{Who::A, A}, {Who::B, B}, {Who::Yes, yes}, {Who::Note, note}};
  for (size_t i = 0; i < c.selected.size(); ++i) {
    Trigger(c.backward ? "FindPrevious1" : "FindNext1");
    EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{figure.at(c.selected[i])}) << "press " << i;
    const bool wraps = i + 1 == c.selected.size();
    EXPECT_EQ(Status().contains(QStringLiteral("continued from")), wraps)
        << "press " << i << ": " << Status().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindSteps,
    ::testing::Values(StepCase{"AnyCase", false, false, false, {Who::Note, Who::A, Who::Yes, Who::B, Who::Note}},
                      StepCase{"AnyCaseBackward", false, false, true, {Who::B, Who::Yes, Who::A, Who::Note, Who::B}},
                      StepCase{"MatchCase", true, false, false, {Who::Note, Who::Yes, Who::B, Who::Note}},
                      StepCase{"WholeWord", false, true, false, {Who::A, Who::Yes, Who::A}},
                      StepCase{"Both", true, true, false, {Who::Yes, Who::Yes}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FindReplace, F3WorksFromTheBoxToo) {
  Ask(QStringLiteral("pay"));
  auto* dialog = main->findChild<FindDialog*>();
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
  QTest::keyClick(dialog->windowHandle(), Qt::Key_F3);
  testsupport::Flush();
  EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{note});
  QTest::keyClick(dialog->windowHandle(), Qt::Key_F3, Qt::ShiftModifier);
  testsupport::Flush();
  EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{B});
}

TEST_F(FindReplace, NoMatchesSaysSoAndKeepsTheSelection) {
  ClickFigure(C);
  Ask(QStringLiteral("invoice"));
  Trigger("FindNext1");
  EXPECT_EQ(Status(), QStringLiteral("No matches for \"invoice\""));
  EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{C});
}

struct ReplaceCase {
  const char* name;
  bool wholeWord;
  int count;
  std::vector<std::string> captions;  // A's, B's, yes, note
};

class ReplaceAllSteps : public FindReplace, public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplaceAllSteps, OneStepNamingTheCountUndoneWhole) {
  const ReplaceCase& c = GetParam();
  const std::vector<std::string> before = Captions();
  const int steps = doc->UndoStack()->index();
  Ask(QStringLiteral("pay"), false, c.wholeWord, true, QStringLiteral("bill"));
  Press("ReplaceAllButton");
  EXPECT_EQ(Captions(), c.captions);
  EXPECT_EQ(doc->UndoStack()->index(), steps + 1);
  EXPECT_EQ(LastStep(), QStringLiteral("Replace All (%1)").arg(c.count));
  EXPECT_TRUE(doc->Modified());
  doc->activateWindow();
  Key(Qt::Key_Z, Qt::ControlModifier);
  testsupport::Flush();
  EXPECT_EQ(Captions(), before);
  EXPECT_EQ(doc->UndoStack()->index(), steps);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplaceAllSteps,
    ::testing::Values(ReplaceCase{"AnyCase", false, 4, {"bill order", "Check billment", "bill", "Rebill"}},
                      ReplaceCase{"WholeWord", true, 2, {"bill order", "Check payment", "bill", "Repay"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FindReplace, ReplaceTakesTheHitReachedThenGoesOn) {
  // What is put in holds the pattern: the search goes on after it, not into it.
  Ask(QStringLiteral("pay"), false, false, true, QStringLiteral("prepay"));
  Press("ReplaceButton");  // nothing reached yet: finds the first
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Pay order", "Check payment", "pay", "Repay"}));
  EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{note});
  Press("ReplaceButton");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Pay order", "Check payment", "pay", "Reprepay"}));
  EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{A});
  EXPECT_EQ(LastStep(), QStringLiteral("Replace"));
}

TEST_F(FindReplace, HitOffScreenAtDoubleZoomIsScrolledIntoView) {
  SubOf(doc)->resize(400, 300);
  TKDLabel* far = Text({1500, 1200, 80, 20}, "far away");
  doc->Surface()->SetZoom(2.0);
  testsupport::Flush();
  doc->scbKedrin->horizontalScrollBar()->setValue(0);
  doc->scbKedrin->verticalScrollBar()->setValue(0);
  const auto inView = [&] {
    const QRect view(doc->scbKedrin->horizontalScrollBar()->value(), doc->scbKedrin->verticalScrollBar()->value(),
                     doc->scbKedrin->viewport()->width(), doc->scbKedrin->viewport()->height());
    return view.contains(QRect(3000, 2400, 160, 40));  // the label's box at 200 %
  };
  ASSERT_FALSE(inView());
  Ask(QStringLiteral("away"));
  Trigger("FindNext1");
  EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{far});
  EXPECT_TRUE(inView());
}

}  // namespace
