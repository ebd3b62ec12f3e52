// The About box: its form, links, closing, and what "System Info" starts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "TestSupport.h"
#include "TwinAbout.h"

namespace {

class AboutBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    utAbout::SetShellOpen([this](const QString& target) {
      opened.append(target);
      return openSucceeds;
    });
    utAbout::SetSystemInfoTools({QStringLiteral("kedrin-no-such-tool"), QStringLiteral("sh")});
  }
  void TearDown() override {
    utAbout::SetShellOpen({});
    utAbout::SetSystemInfoTools(utAbout::DefaultSystemInfoTools());
  }

  // A box shown as the user sees it (modal), without blocking the test.
  std::unique_ptr<TwinAbout> ShownBox() {
    auto box = std::make_unique<TwinAbout>(nullptr);
    box->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    return box;
  }

  static QPoint Background(TwinAbout* box) {
    QPoint p(330, 60);
    EXPECT_EQ(box->childAt(p), nullptr) << "the point must lie on the bare form";
    return p;
  }

  static QDialog* SystemInfoBox(TwinAbout* box) { return box->findChild<QDialog*>(QStringLiteral("SystemInfo")); }

  QStringList opened;
  bool openSucceeds = true;
};

TEST_F(AboutBoxTest, FormHasTheCaptionSizeAndLook) {
  TwinAbout box(nullptr);
  EXPECT_EQ(box.windowTitle(), QStringLiteral("About Kedrin Tools"));
  EXPECT_EQ(box.size(), QSize(353, 216));
  EXPECT_EQ(box.minimumSize(), box.maximumSize()) << "not resizable";
  EXPECT_TRUE(box.isModal());
  EXPECT_EQ(box.palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(box.font().family(), QStringLiteral("MS Sans Serif"));
  EXPECT_EQ(box.font().pixelSize(), 13);
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((box.geometry().center() - screen.center()).manhattanLength(), 2);

  EXPECT_EQ(box.Label3->text(), QStringLiteral("KedrinTools Demo"));
  EXPECT_TRUE(box.Label3->font().bold());
  EXPECT_FALSE(box.Label3->autoFillBackground());
  EXPECT_EQ(box.Label2->text(), QStringLiteral("version 1.2b  build 2001.12.17"));
  EXPECT_EQ(box.BitBtn1->text(), QStringLiteral("System Info(&S)"));
  EXPECT_FALSE(box.Image1->pixmap().isNull());

  for (QLabel* link : {box.Label4, box.Label6}) {
    SCOPED_TRACE(link->objectName().toStdString());
    EXPECT_EQ(link->font().family(), QStringLiteral("宋体"));
    EXPECT_EQ(link->font().pixelSize(), 12);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  }

  // The button is the only control that takes the keyboard focus.
  EXPECT_EQ(box.focusWidget(), box.BitBtn1);
  for (QWidget* child : box.findChildren<QWidget*>()) {
    if (child != box.BitBtn1) {
      EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->objectName().toStdString();
    }
  }
}

TEST_F(AboutBoxTest, ControlsSitWhereTheFormPutsThem) {
  TwinAbout box(nullptr);
  struct Place {
    const char* name;
    QRect bounds;  // width and height 0: sized to the text
  } places[] = {
      {"Image1", {4, 2, 120, 209}},    {"lblCompanyName", {140, 16, 0, 0}}, {"Label3", {136, 51, 0, 0}},
      {"Label2", {140, 80, 0, 0}},     {"Bevel1", {140, 100, 197, 9}},     {"Label4", {140, 120, 0, 0}},
      {"Label5", {140, 144, 0, 0}},    {"Label6", {140, 164, 0, 0}},       {"lblNotice", {124, 196, 225, 16}},
      {"BitBtn1", {16, 180, 97, 25}},
  };
  for (const Place& place : places) {
    auto* control = box.findChild<QWidget*>(QLatin1String(place.name));
    ASSERT_NE(control, nullptr) << place.name;
    if (place.bounds.width() > 0) {
      EXPECT_EQ(control->geometry(), place.bounds) << place.name;
    } else {
      EXPECT_EQ(control->pos(), place.bounds.topLeft()) << place.name;
      auto* label = qobject_cast<QLabel*>(control);
      EXPECT_EQ(control->size(), label->sizeHint()) << place.name;
      EXPECT_LE(control->geometry().right(), 352) << place.name << " fits the box";
    }
  }
  // The button lies over the picture.
  EXPECT_EQ(box.childAt(box.BitBtn1->geometry().center()), box.BitBtn1);
}

TEST_F(AboutBoxTest, OpenedTwiceMakesAndDestroysTwoSeparateBoxes) {
  QWidget owner;
  QList<QPointer<TwinAbout>> boxes;
  int destroyed = 0;
  for (int i = 0; i < 2; ++i) {
    QTimer::singleShot(0, [&] {
      ASSERT_NE(winAbout, nullptr);
      EXPECT_TRUE(winAbout->isVisible());
      EXPECT_EQ(QApplication::activeModalWidget(), winAbout);
      EXPECT_EQ(winAbout->parentWidget(), &owner);
      boxes.append(winAbout);
      QObject::connect(winAbout, &QObject::destroyed, [&] { ++destroyed; });
      winAbout->close();
    });
    ShowAboutBox(&owner);
    EXPECT_EQ(winAbout, nullptr);
  }
  EXPECT_EQ(destroyed, 2);
  ASSERT_EQ(boxes.size(), 2);
  EXPECT_TRUE(boxes[0].isNull());
  EXPECT_TRUE(boxes[1].isNull());
  EXPECT_TRUE(owner.findChildren<TwinAbout*>().isEmpty());
  for (QWidget* top : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<TwinAbout*>(top), nullptr);
}

TEST_F(AboutBoxTest, HoveringALinkRemovesOnlyItsUnderline) {
  auto box = ShownBox();
  QWindow* window = box->windowHandle();
  struct Step {
    const char* where;
    QPoint point;
    bool underline4;
    bool underline6;
  } steps[] = {
      {"Label4", box->Label4->geometry().center(), false, true},
      {"Label5 (not a link)", box->Label5->geometry().center(), false, true},
      {"Label6", box->Label6->geometry().center(), false, false},
      {"background", Background(box.get()), true, true},
      {"Label6", box->Label6->geometry().center(), true, false},
      {"picture", box->Image1->geometry().center(), true, false},
      {"button", box->BitBtn1->geometry().center(), true, false},
      {"background", Background(box.get()), true, true},
  };
  for (const Step& step : steps) {
    QTest::mouseMove(window, step.point);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->Label4->font().underline(), step.underline4) << step.where;
    EXPECT_EQ(box->Label6->font().underline(), step.underline6) << step.where;
    // Only the underline changes.
    EXPECT_EQ(box->Label4->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(box->Label6->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(box->Label4->font().pixelSize(), 12);
  }
}

TEST_F(AboutBoxTest, ClickOnTheBackgroundClosesAndLinksOpenTheirTargets) {
  struct Case {
    const char* where;
    QWidget* (*control)(TwinAbout*);
    bool closes;
    QStringList targets;
  } cases[] = {
      {"background", [](TwinAbout*) -> QWidget* { return nullptr; }, true, {}},
      {"Label3", [](TwinAbout* b) -> QWidget* { return b->Label3; }, false, {}},
      {"notice", [](TwinAbout* b) -> QWidget* { return b->lblNotice; }, false, {}},
      {"picture", [](TwinAbout* b) -> QWidget* { return b->Image1; }, false, {}},
      {"bevel", [](TwinAbout* b) -> QWidget* { return b->Bevel1; }, false, {}},
      {"Label4", [](TwinAbout* b) -> QWidget* { return b->Label4; }, false, {QStringLiteral("mailto:kedrin@example.com")}},
      {"Label6", [](TwinAbout* b) -> QWidget* { return b->Label6; }, false, {QStringLiteral("http://www.example.com/kedrin/")}},
      {"button", [](TwinAbout* b) -> QWidget* { return b->BitBtn1; }, false, {QStandardPaths::findExecutable(QStringLiteral("sh"))}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    opened.clear();
    auto box = ShownBox();
    QWidget* control = c.control(box.get());
    QPoint point = control ? control->geometry().center() : Background(box.get());
    QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {}, point);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->isVisible(), !c.closes);
    EXPECT_EQ(opened, c.targets);
  }
}

TEST_F(AboutBoxTest, RightClickOnTheBackgroundDoesNotClose) {
  auto box = ShownBox();
  QTest::mouseClick(box->windowHandle(), Qt::RightButton, {}, Background(box.get()));
  EXPECT_TRUE(box->isVisible());
}

TEST_F(AboutBoxTest, KeysPressTheButtonOrCloseTheBox) {
  struct Case {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool closes;
    int started;
  } cases[] = {
      {"Space", Qt::Key_Space, {}, false, 1},    {"Enter", Qt::Key_Return, {}, false, 1},
      {"Alt+S", Qt::Key_S, Qt::AltModifier, false, 1}, {"Escape", Qt::Key_Escape, {}, true, 0},
      {"A", Qt::Key_A, {}, true, 0},             {"F1", Qt::Key_F1, {}, true, 0},
      {"Shift alone", Qt::Key_Shift, {}, false, 0}, {"Alt alone", Qt::Key_Alt, {}, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    opened.clear();
    auto box = ShownBox();
    box->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box.get()));
    QTest::keyClick(box->BitBtn1, c.key, c.modifiers);
    // An access key clicks the button after its short pressed-down look.
    (void)QTest::qWaitFor([&] { return opened.size() >= c.started; }, 1000);
    EXPECT_EQ(box->isVisible(), !c.closes);
    EXPECT_EQ(opened.size(), c.started);
  }
}

TEST_F(AboutBoxTest, SystemInfoTriesTheDesktopsToolsThenShowsItsOwn) {
  const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
  const QString env = QStandardPaths::findExecutable(QStringLiteral("env"));
  struct Case {
    const char* name;
    QStringList tools;
    bool startSucceeds;
    QStringList started;
    bool ownWindow;
  } cases[] = {
      {"first installed tool", {QStringLiteral("kedrin-no-such-tool"), QStringLiteral("sh"), QStringLiteral("env")}, true, {sh}, false},
      {"next tool when one fails", {QStringLiteral("sh"), QStringLiteral("env")}, false, {sh, env}, true},
      {"none installed", {QStringLiteral("kedrin-no-such-tool")}, true, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    opened.clear();
    openSucceeds = c.startSucceeds;
    utAbout::SetSystemInfoTools(c.tools);
    TwinAbout box(nullptr);
    box.BitBtn1Click(box.BitBtn1);
    EXPECT_EQ(opened, c.started);
    QDialog* own = SystemInfoBox(&box);
    EXPECT_EQ(own != nullptr && own->isVisible(), c.ownWindow);
    if (own) {
      EXPECT_EQ(own->windowTitle(), QStringLiteral("System Information"));
      own->close();
    }
  }
}

TEST_F(AboutBoxTest, EachSenderOpensItsOwnTarget) {
  TwinAbout box(nullptr);
  box.BitBtn1Click(box.Label4);
  box.BitBtn1Click(box.Label6);
  box.BitBtn1Click(box.Label5);  // not a link: nothing
  EXPECT_EQ(opened, QStringList({QStringLiteral("mailto:kedrin@example.com"), QStringLiteral("http://www.example.com/kedrin/")}));
}

TEST(AboutSystemInfo, TextNamesTheSystem) {
  QString text = utAbout::SystemInfoText();
  for (const char* line : {"Operating system: ", "Kernel: ", "Processors: ", "Memory: ", "Disk (/): ", "Qt: "}) {
    EXPECT_TRUE(text.contains(QLatin1String(line))) << line;
  }
}

TEST(AboutPicture, ProductPictureIsDrawn) {
  TwinAbout box(nullptr);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  QImage shot = testsupport::Grab(&box);
  shot.save(testsupport::OutputPath(QStringLiteral("about-box.png")));
  // The picture is drawn (not the white fill left when the drawing is missing).
  EXPECT_NE(shot.pixelColor(10, 10), QColor(Qt::white));
  EXPECT_EQ(shot.pixelColor(330, 60), QColor(Qt::white));
}

}  // namespace
