// What a picture of a diagram covers and how large it may be: the whole diagram cropped to its
// figures, a picture beyond the size limits scaled down until it fits (shown in the Export
// dialog), and the clipboard's pictures beside a copy, scaled down or left out but never in the way
// of the copy itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMimeData>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ExportDialog.h"
#include "ExportPicture.h"
#include "KDTools.h"
#include "PictureClipboard.h"

namespace {

using namespace exporting;

struct Boxes {
  std::vector<std::unique_ptr<TCustomKDTool>> owned;
  std::vector<const TCustomKDTool*> all;
  explicit Boxes(std::initializer_list<QRect> boxes) {
    for (const QRect& b : boxes) {
      owned.push_back(std::make_unique<TKDRectangle>());
      owned.back()->ApplyBounds(b.x(), b.y(), b.width(), b.height());
      all.push_back(owned.back().get());
    }
  }
};

TEST(ExportArea, TheWholeDiagramIsCroppedToItsFigures) {
  struct Case {
    const char* name;
    std::initializer_list<QRect> boxes;
    QRect area;
  };
  const Case cases[] = {
      {"no figures: the canvas a diagram starts with", {}, QRect(0, 0, 684, 449)},
      {"a small chart", {QRect(20, 30, 50, 40), QRect(500, 310, 58, 56)}, QRect(20, 30, 538, 336)},
      {"left of and above the corner", {QRect(-40, -20, 30, 30), QRect(100, 100, 10, 10)}, QRect(-40, -20, 150, 130)},
      {"beyond the canvas", {QRect(900, 600, 10, 10)}, QRect(900, 600, 10, 10)},
      {"a line without width", {QRect(5, 5, 0, 20)}, QRect(5, 5, 1, 20)},
  };
  for (const Case& c : cases) {
    const Boxes b(c.boxes);
    EXPECT_EQ(ExportArea(b.all, {}, Scope::WholeDiagram), c.area) << c.name;
    // The plan draws that area, the margin around it.
    const PicturePlan plan = PlanExport(b.all, {}, {.margin = 10});
    EXPECT_EQ(plan.origin, c.area.topLeft() - QPoint(10, 10)) << c.name;
    EXPECT_EQ(plan.size, c.area.size() + QSize(20, 20)) << c.name;
  }
}

// The largest picture within the limits, less than two pixels a side from it: at most `pixels`,
// and one of two pixels more a side would not fit.
void ExpectLargestWithin(QSize size, double pixels, double aspect) {
  EXPECT_LE(double(size.width()) * size.height(), pixels);
  EXPECT_GT((size.width() + 2.0) * (size.height() + 2.0), pixels);
  EXPECT_NEAR(double(size.width()) / size.height(), aspect, 0.002);
}

constexpr double kLimit = 134217728.0;  // 2^27 pixels

TEST(PlanExport, APictureBeyondTheLimitsIsScaledDownToFit) {
  // 68861 x 926 (Graphviz's wide graph): 65500 / 68861 = 0.951191, 926 x 0.951191 = 880.8.
  const Boxes wide{QRect(0, 0, 10, 926), QRect(68851, 0, 10, 10)};
  PicturePlan plan = PlanExport(wide.all, {}, {});
  EXPECT_EQ(plan.size, QSize(65500, 881));
  EXPECT_NEAR(plan.scale, 0.951191, 1e-6);
  EXPECT_NEAR(plan.fitted, 0.951191, 1e-6);
  // At 25 % it fits as it is: 17215.25 x 231.5, rounded up.
  plan = PlanExport(wide.all, {}, {.scalePercent = 25});
  EXPECT_EQ(plan.size, QSize(17216, 232));
  EXPECT_EQ(plan.fitted, 1.0);
  EXPECT_EQ(plan.scale, 0.25);
  // Two figures 12,000 pixels apart: 12040 x 12030 = 144.8 million pixels.
  const Boxes apart{QRect(0, 0, 40, 30), QRect(12000, 12000, 40, 30)};
  plan = PlanExport(apart.all, {}, {});
  ExpectLargestWithin(plan.size, kLimit, 12040.0 / 12030);
  EXPECT_NEAR(plan.scale, 0.9626, 1e-3);  // the root of 2^27 / (12040 x 12030)
}

TEST(ExportDialogLimit, ShowsTheScaleThePictureIsDrawnAt) {
  QTemporaryDir dir;
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("settings"));
  QSettings().clear();
  const Boxes wide{QRect(0, 0, 10, 926), QRect(68851, 0, 10, 10)};
  ExportDialog dialog(wide.all, {}, "Wide.kdl");
  dialog.MarginBox()->setValue(0);
  EXPECT_EQ(dialog.SizeText(), "65500 x 881 pixels, at 95.1 % to stay within the size limit");
  dialog.ScaleBox()->setValue(25);
  EXPECT_EQ(dialog.SizeText(), "17216 x 232 pixels");
}

constexpr double kClipboard = 16777216.0;  // 4096 x 4096 pixels

TEST(ClipboardPictures, AreScaledDownToFitOrLeftOut) {
  struct Case {
    const char* name;
    std::initializer_list<QRect> boxes;
    double scale;         // 0: the largest within the clipboard's limit
    bool pictures;
  };
  const Case cases[] = {
      {"small", {QRect(140, 100, 52, 44)}, 1.0, true},
      // The root of 2^24 / (12040 x 12030) = 0.3403.
      {"12,000 pixels apart", {QRect(0, 0, 40, 30), QRect(12000, 12000, 40, 30)}, 0.0, true},
      // 4096 / the root of 1000040 x 1000030 = 0.0041: below 1/64, nothing but specks.
      {"a million pixels apart", {QRect(0, 0, 40, 30), QRect(1000000, 1000000, 40, 30)}, 0.0041, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Boxes b(c.boxes);
    QMimeData data;
    const ClipboardPictures made = AddPictures(data, b.all, b.all);
    EXPECT_EQ(made.leftOut.isEmpty(), c.pictures) << made.leftOut.toStdString();
    EXPECT_EQ(data.hasFormat("image/png"), c.pictures);
    EXPECT_EQ(data.hasFormat("image/svg+xml"), c.pictures);
    if (c.scale > 0) {
      EXPECT_NEAR(made.scale, c.scale, 1e-5);
    }
    if (!c.pictures) continue;
    QImage png;
    ASSERT_TRUE(png.loadFromData(data.data("image/png"), "png"));
    EXPECT_EQ(QSvgRenderer(data.data("image/svg+xml")).viewBox().size(), png.size());
    if (c.scale == 0) {
      ExpectLargestWithin(png.size(), kClipboard, 12040.0 / 12030);
    } else {
      EXPECT_EQ(png.size(), QSize(52, 44));
    }
  }
}

// Copy tells in the status bar what became of the picture.
TEST(ClipboardPictures, WhatBecameOfThemIsToldInTheStatusBar) {
  QMainWindow window;
  auto* focused = new QLineEdit(&window);
  window.setCentralWidget(focused);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  focused->setFocus();
  struct Case {
    std::initializer_list<QRect> boxes;
    const char* message;
  };
  // 0.4096 % gives 4097 x 4097 once rounded up: a pixel less, 0.4095 %.
  for (const Case& c : {Case{{QRect(0, 0, 40, 30), QRect(1000000, 1000000, 40, 30)},
                             "Copied without a picture for other programs: it would have to be drawn at 0.409 %"},
                        Case{{QRect(0, 0, 40, 30), QRect(12000, 12000, 40, 30)},
                             "Copied; the picture for other programs is at 34 %"}}) {
    const Boxes b(c.boxes);
    window.statusBar()->clearMessage();
    std::unique_ptr<QMimeData> data(PictureMimeData(b.all, b.all));
    EXPECT_EQ(window.statusBar()->currentMessage().toStdString(), c.message);
  }
}

}  // namespace
