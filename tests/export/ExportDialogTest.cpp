#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "Errors.h"
#include "ExportDialog.h"
#include "FigureSamples.h"
#include "TestSupport.h"

namespace {

using namespace exporting;

TEST(ResolveTarget, TypedExtensionOrTheFiltersFormat) {
  struct Case {
    const char* typed;
    Format filter;
    const char* fileName;
    Format format;
  };
  const Case cases[] = {
      {"a/b.PDF", Format::Png, "a/b.PDF", Format::Pdf},     {"b.jpeg", Format::Svg, "b.jpeg", Format::Jpeg},
      {"b", Format::Bmp, "b.bmp", Format::Bmp},              {"b.kdl", Format::Svg, "b.kdl.svg", Format::Svg},
      {" b.svg ", Format::Png, "b.svg", Format::Svg},        {"v1.2", Format::Jpeg, "v1.2.jpg", Format::Jpeg},
  };
  for (const Case& c : cases) {
    const Target t = ResolveTarget(c.typed, c.filter);
    EXPECT_EQ(t.fileName.toStdString(), c.fileName) << c.typed;
    EXPECT_EQ(t.format, c.format) << c.typed;
  }
}

class ExportDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.filePath("settings"));
    QSettings().clear();
    figures_ = NineStyledFigures();
    all_ = Raw(figures_);
    errors::SetReporter([this](const QString& m) { errors_ << m; });
  }
  void TearDown() override { errors::SetReporter(nullptr); }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  static void Type(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  QTemporaryDir dir_;
  std::vector<std::unique_ptr<TCustomKDTool>> figures_;
  std::vector<const TCustomKDTool*> all_;
  QStringList errors_;
};

TEST_F(ExportDialogTest, TypedExtensionChoosesTheFormatAndTheBoxTheRest) {
  ExportDialog dialog(all_, {}, "Flow.kdl");
  EXPECT_EQ(QFileInfo(dialog.NameEdit()->text()).fileName(), "Flow.png") << "named after the document";
  Type(dialog.NameEdit(), Path("out.pdf"));
  EXPECT_EQ(dialog.FormatBox()->currentText(), FilterOf(Format::Pdf));
  EXPECT_FALSE(dialog.TransparentBox()->isEnabled());
  dialog.FormatBox()->setCurrentIndex(static_cast<int>(Format::Svg));
  EXPECT_EQ(dialog.NameEdit()->text(), Path("out.svg")) << "the name follows the box";
  Type(dialog.NameEdit(), Path("plain"));
  dialog.FormatBox()->setCurrentIndex(static_cast<int>(Format::Png));
  EXPECT_EQ(dialog.TargetFileName(), Path("plain.png"));
  EXPECT_TRUE(dialog.TransparentBox()->isEnabled());
}

TEST_F(ExportDialogTest, SizeIsShownForScaleAndScope) {
  const std::vector<const TCustomKDTool*> selected = {all_[2]};  // 52 x 44
  ExportDialog dialog(all_, selected, "Flow.kdl");
  dialog.MarginBox()->setValue(0);
  // The whole diagram is its figures' box, (20, 30) to (558, 366).
  EXPECT_EQ(dialog.SizeText(), "538 x 336 pixels");
  dialog.ScaleBox()->setValue(200);
  EXPECT_EQ(dialog.SizeText(), "1076 x 672 pixels");
  dialog.SelectionButton()->setChecked(true);
  EXPECT_EQ(dialog.SizeText(), "104 x 88 pixels");
  ExportDialog none(all_, {}, "Flow.kdl");
  EXPECT_FALSE(none.SelectionButton()->isEnabled());
}

TEST_F(ExportDialogTest, MarginOfTenByDefaultGoesIntoTheOptions) {
  ExportDialog dialog(all_, {}, "Flow.kdl");
  EXPECT_EQ(dialog.MarginBox()->value(), 10);
  EXPECT_EQ(dialog.Options().margin, 10);
  dialog.MarginBox()->setValue(25);
  EXPECT_EQ(dialog.Options().margin, 25);
}

// The size line is the export plan's, so it holds the margin once the plan adds it.
TEST_F(ExportDialogTest, SizeShownIncludesTheMargin) {
  const std::vector<const TCustomKDTool*> selected = {all_[2]};  // 52 x 44
  ExportDialog dialog(all_, selected, "Flow.kdl");
  // 10 canvas pixels on every side of the figures' box: 538 + 20 by 336 + 20.
  EXPECT_EQ(dialog.SizeText().toStdString(), "558 x 356 pixels");
  // The selection with 5 on every side, at 200 %: (52 + 10) x 2 by (44 + 10) x 2.
  dialog.SelectionButton()->setChecked(true);
  dialog.ScaleBox()->setValue(200);
  dialog.MarginBox()->setValue(5);
  EXPECT_EQ(dialog.SizeText().toStdString(), "124 x 108 pixels");
}

TEST_F(ExportDialogTest, MarginIsRememberedWithTheOtherChoices) {
  ExportDialog dialog(all_, {}, "Flow.kdl");
  Type(dialog.NameEdit(), Path("m.png"));
  dialog.MarginBox()->setValue(0);
  ASSERT_TRUE(dialog.ExportNow());
  ExportDialog next(all_, {}, "Flow.kdl");
  EXPECT_EQ(next.MarginBox()->value(), 0);
  EXPECT_EQ(next.Options().margin, 0);
}

TEST(ExportFolder, TheDiagramsOwnUnlessItsLastExportWentElsewhere) {
  struct Case {
    const char* title;
    const char* lastFolder;
    const char* lastDiagram;
    const char* proposed;
  };
  const Case cases[] = {
      {"/work/flows/a.kdl", "", "", "/work/flows"},                              // first export
      {"/work/flows/a.kdl", "/pictures", "/work/other/b.kdl", "/work/flows"},    // another's folder
      {"/work/flows/a.kdl", "/pictures", "/work/flows/a.kdl", "/pictures"},      // its own last one
      {"/work/flows/a.kdl", "/pictures", "", "/work/flows"},                     // last was never saved
      {"/work/flows/a.jpg", "", "", "/work/flows"},                              // titled as a picture
      {"Noname.kdl", "/pictures", "/work/flows/a.kdl", "/pictures"},             // never saved: as always
      {"Noname.kdl", "", "", "/home/me"},
      {"", "", "", "/home/me"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ProposedFolder(c.title, c.lastFolder, c.lastDiagram, "/home/me").toStdString(), c.proposed)
        << c.title << " after " << c.lastDiagram;
}

TEST_F(ExportDialogTest, StartsInTheDiagramsFolderThenInTheOneItsExportUsed) {
  QDir(dir_.path()).mkpath("flows");
  QDir(dir_.path()).mkpath("pictures");
  QSettings().setValue("export/folder", Path("pictures"));  // an earlier export of something else
  const QString diagram = Path("flows/Flow.kdl");
  ExportDialog first(all_, {}, diagram);
  EXPECT_EQ(first.NameEdit()->text(), Path("flows/Flow.png"));
  Type(first.NameEdit(), Path("pictures/Flow.png"));
  ASSERT_TRUE(first.ExportNow());

  ExportDialog again(all_, {}, diagram);
  EXPECT_EQ(again.NameEdit()->text(), Path("pictures/Flow.png")) << "the last one used for it";
  ExportDialog other(all_, {}, Path("flows/Other.kdl"));
  EXPECT_EQ(other.NameEdit()->text(), Path("flows/Other.png"));
  ExportDialog never(all_, {}, "Noname.kdl");
  EXPECT_EQ(never.NameEdit()->text(), Path("pictures/Noname.png")) << "the last folder, as before";
}

TEST_F(ExportDialogTest, AsksBeforeReplacingAndRemembersItsChoices) {
  {
    QFile old(Path("d.svg"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
  }
  QWidget document;
  document.setWindowTitle("Flow.kdl[*]");
  document.setWindowModified(true);
  ExportDialog dialog(all_, {}, "Flow.kdl", &document);
  Type(dialog.NameEdit(), Path("d.svg"));
  dialog.ScaleBox()->setValue(150);
  QStringList asked;
  dialog.confirmOverwrite = [&](const QString& name) {
    asked << name;
    return asked.size() > 1;  // no the first time, yes the second
  };
  EXPECT_FALSE(dialog.ExportNow());
  EXPECT_EQ(testsupport::ReadFile(Path("d.svg")), std::vector<uint8_t>({'o', 'l', 'd'}));
  EXPECT_TRUE(dialog.ExportNow());
  EXPECT_EQ(asked, QStringList({Path("d.svg"), Path("d.svg")}));
  EXPECT_TRUE(testsupport::ReadFile(Path("d.svg")).size() > 100);
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join("\n").toStdString();
  EXPECT_EQ(document.windowTitle(), "Flow.kdl[*]");
  EXPECT_TRUE(document.isWindowModified());

  ExportDialog next(all_, {}, "Other.kdl");
  EXPECT_EQ(next.FormatBox()->currentText(), FilterOf(Format::Svg));
  EXPECT_EQ(next.ScaleBox()->value(), 150);
  EXPECT_EQ(next.NameEdit()->text(), Path("Other.svg")) << "in the last folder";
}

TEST_F(ExportDialogTest, FailureIsReportedAndNothingRemembered) {
  ExportDialog dialog(all_, {}, "Flow.kdl");
  Type(dialog.NameEdit(), Path("missing/folder/d.png"));
  EXPECT_FALSE(dialog.ExportNow());
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_EQ(errors_[0], "Cannot create file " + Path("missing/folder/d.png"));
  EXPECT_FALSE(QSettings().contains("export/format"));
}

}  // namespace
