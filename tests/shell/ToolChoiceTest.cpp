// The tool a canvas draws with is the value the palette last chose: by its buttons, the Connector
// button that joins it later, and the Insert > Drawing Tool items the keyboard reaches.
#include <QAction>
#include <QSignalSpy>

#include "MainWindowFixture.h"
#include "ToolChoice.h"

namespace {

struct Choosing {
  const char* control;  // a palette button or a menu item, by object name
  bool menuItem;
  TTool tool;
};
void PrintTo(const Choosing& c, std::ostream* os) { *os << c.control; }

class ToolChoosing : public MainWindowFixture, public ::testing::WithParamInterface<Choosing> {};

TEST_P(ToolChoosing, ThePaletteSetsTheValue) {
  const Choosing& c = GetParam();
  // From a tool other than the one chosen, so that the choice is seen to change.
  Find("btnEnd")->click();
  ASSERT_EQ(main->CurrentTool(), TTool::End);
  QSignalSpy changed(&main->Tools(), &ToolChoice::Changed);
  if (c.menuItem) Find<QAction>(c.control)->trigger();
  else Find(c.control)->click();
  EXPECT_EQ(main->CurrentTool(), c.tool);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.front().front().value<TTool>(), c.tool);
}

INSTANTIATE_TEST_SUITE_P(Controls, ToolChoosing,
                         ::testing::Values(Choosing{"btnSelect", false, TTool::Select},
                                           Choosing{"btnBegin", false, TTool::Begin},
                                           Choosing{"btnProcess", false, TTool::Process},
                                           Choosing{"btnEllipse", false, TTool::Ellipse},
                                           Choosing{"btnRectangle", false, TTool::Rectangle},
                                           Choosing{"btnArrow", false, TTool::Arrow},
                                           Choosing{"btnDiamond", false, TTool::Diamond},
                                           Choosing{"btnLabel", false, TTool::Label},
                                           Choosing{"btnLine", false, TTool::Line},
                                           Choosing{"btnConnector", false, TTool::Connector},
                                           Choosing{"ToolSelect1", true, TTool::Select},
                                           Choosing{"ToolDiamond1", true, TTool::Diamond},
                                           Choosing{"ToolLabel1", true, TTool::Label},
                                           Choosing{"ToolArrow1", true, TTool::Arrow}),
                         [](const auto& info) { return std::string(info.param.control); });

}  // namespace
