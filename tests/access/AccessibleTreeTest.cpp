// A small chart read through Qt's accessibility, as a screen reader reads it: the canvas's
// children, their roles, names, descriptions, places and states, and the events it is sent.
#include <QAccessible>

#include "../document/DocumentTestSupport.h"
#include "CanvasAccessible.h"
#include "DocumentAccess.h"
#include "Diagram.h"
#include "TextEditSession.h"

namespace {

// What was announced: each event's type, child and the name of the interface it is about.
struct Heard {
  QAccessible::Event type;
  int child;
  QString name;
  bool operator==(const Heard&) const = default;
};
std::vector<Heard>& Events() {
  static std::vector<Heard> events;
  return events;
}
void Record(QAccessibleEvent& event) {
  QAccessibleInterface* about = event.accessibleInterface();
  Events().push_back({event.type(), event.child(), about ? about->text(QAccessible::Name) : QString()});
}

//   Begin
//     |
//   Paid? --no--> Send reminder
//     | yes
//   Ship
class AccessibleTree : public DocumentFixture {
 protected:
  void SetUp() override {
    // Before the canvas exists: Qt keeps the first interface it made for a widget.
    a11y::Install();
    DocumentFixture::SetUp();
    doc->resize(600, 400);
    begin = Shape<TKDBegin>({100, 0, 80, 40}, "Begin");
    paid = Shape<TKDDiamond>({100, 100, 80, 60}, "Paid?", &paidText);
    // Before Ship: the children's order is the flow's, not the figures'.
    remind = Shape<TKDProcess>({260, 100, 100, 60}, "Send reminder");
    ship = Shape<TKDProcess>({100, 220, 80, 40}, "Ship");
    Arrow({125, 40, 30, 60}, adLeftToLeft);
    Arrow({125, 160, 30, 60}, adLeftToLeft);
    Add<TKDLabel>({146, 183, 24, 14})->SetCaption("yes");
    Arrow({180, 115, 80, 30}, adTopToTop);
    Add<TKDLabel>({210, 112, 20, 14})->SetCaption("no");
    testsupport::Flush();
    canvas = QAccessible::queryAccessibleInterface(doc->Surface());
  }
  void TearDown() override {
    a11y::SetListener(nullptr);
    Events().clear();
    DocumentFixture::TearDown();
  }
  template <typename T>
  T* Shape(QRect box, const char* text, TKDLabel** label = nullptr) {
    T* s = Add<T>(box);
    const QPoint c = box.center();
    TKDLabel* l = Add<TKDLabel>({c.x() - box.width() / 4, c.y() - 8, box.width() / 2, 16});
    l->SetCaption(text);
    if (label) *label = l;
    return s;
  }
  void Arrow(QRect box, TArrowDirection direction) {
    auto* a = Add<TKDArrow>(box);
    a->SetArrowDirection(direction);
    a->SetArrowPosition(apRight);
  }

  TCustomKDTool *begin, *paid, *ship, *remind;
  TKDLabel* paidText = nullptr;
  QAccessibleInterface* canvas = nullptr;
};

struct ChildCase {
  QAccessible::Role role;
  const char* name;
  const char* description;
};

TEST_F(AccessibleTree, ShapesInFlowOrderThenConnectors) {
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(canvas->role(), QAccessible::List);
  const std::vector<ChildCase> expected = {
      {QAccessible::ListItem, "Begin", "Start Begin: to Paid?"},
      {QAccessible::ListItem, "Paid?", "Decision Paid?: yes to Ship, no to Send reminder"},
      {QAccessible::ListItem, "Ship", "Process Ship"},
      {QAccessible::ListItem, "Send reminder", "Process Send reminder"},
      {QAccessible::ListItem, "Connector", "from Begin to Paid?"},
      {QAccessible::ListItem, "yes", "yes, from Paid? to Ship"},
      {QAccessible::ListItem, "no", "no, from Paid? to Send reminder"},
  };
  ASSERT_EQ(canvas->childCount(), int(expected.size()));
  for (int i = 0; i < canvas->childCount(); ++i) {
    QAccessibleInterface* child = canvas->child(i);
    ASSERT_NE(child, nullptr) << i;
    EXPECT_EQ(child->role(), expected[size_t(i)].role) << i;
    EXPECT_EQ(child->text(QAccessible::Name).toStdString(), expected[size_t(i)].name) << i;
    EXPECT_EQ(child->text(QAccessible::Description).toStdString(), expected[size_t(i)].description) << i;
    EXPECT_EQ(child->parent(), canvas) << i;
    EXPECT_EQ(canvas->indexOfChild(child), i) << i;
  }
}

TEST_F(AccessibleTree, PlaceOnScreenFollowsTheZoom) {
  doc->Surface()->SetZoom(2.0);
  testsupport::Flush();
  // Paid? at (100, 100) sized 80 x 60 in canvas pixels.
  EXPECT_EQ(canvas->child(1)->rect(), QRect(doc->Surface()->mapToGlobal(QPoint(200, 200)), QSize(160, 120)));
}

TEST_F(AccessibleTree, SelectionAndTextChangesAreAnnounced) {
  a11y::SetListener(Record);
  doc->Surface()->setFocus();
  doc->FigureSet().Select({paid});
  testsupport::Flush();
  QAccessible::State state = canvas->child(1)->state();
  EXPECT_TRUE(state.selected);
  EXPECT_TRUE(state.focused);
  EXPECT_FALSE(canvas->child(0)->state().selected);
  EXPECT_EQ(Events(), (std::vector<Heard>{{QAccessible::Selection, 1, QStringLiteral("Paid?")},
                                          {QAccessible::Focus, 1, QStringLiteral("Paid?")}}));
  EXPECT_EQ(canvas->focusChild(), canvas->child(1));

  Events().clear();
  doc->TextEditing().SetText(paidText, "Paid in full?");
  testsupport::Flush();
  EXPECT_EQ(Events(), (std::vector<Heard>{{QAccessible::NameChanged, 1, QStringLiteral("Paid in full?")}}));
}

}  // namespace
