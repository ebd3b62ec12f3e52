#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
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
  EXPECT_EQ(dialog.SizeText(), "684 x 449 pixels");
  dialog.ScaleBox()->setValue(200);
  EXPECT_EQ(dialog.SizeText(), "1368 x 898 pixels");
  dialog.SelectionButton()->setChecked(true);
  EXPECT_EQ(dialog.SizeText(), "104 x 88 pixels");
  ExportDialog none(all_, {}, "Flow.kdl");
  EXPECT_FALSE(none.SelectionButton()->isEnabled());
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
