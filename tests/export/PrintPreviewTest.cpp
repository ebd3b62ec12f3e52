// Print Preview: the page is turned as Print turns it, and its Print writes a PDF file whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "DiagramPrinter.h"
#include "Errors.h"
#include "PrintPreview.h"
#include "TestSupport.h"

namespace {

using namespace exporting;

// Closes the preview as soon as it is shown, noting the orientation it shows the page in.
QPageLayout::Orientation PreviewOrientation(QPrinter& printer, const QImage& picture) {
  QPageLayout::Orientation shown = QPageLayout::Portrait;
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    seen = true;
    shown = dialog->printer()->pageLayout().orientation();
    dialog->reject();
  });
  ShowPrintPreview(nullptr, &printer, picture);
  EXPECT_TRUE(seen) << "the preview was shown";
  return shown;
}

TEST(PrintPreview, ShowsAWideDiagramOnALandscapePageAndATallOneOnAPortraitPage) {
  DiagramPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  QImage wide(684, 449, QImage::Format_RGB32), tall(449, 684, QImage::Format_RGB32);
  wide.fill(Qt::white);
  tall.fill(Qt::white);
  EXPECT_EQ(PreviewOrientation(printer, wide), QPageLayout::Landscape);
  EXPECT_EQ(PreviewOrientation(printer, tall), QPageLayout::Portrait);
  // An orientation the user chose is not turned.
  printer.setPageOrientation(QPageLayout::Landscape);
  EXPECT_EQ(PreviewOrientation(printer, tall), QPageLayout::Landscape);
}

TEST(PrintPreview, PrintingToAPdfFileThatCannotBeWrittenSaysSoAndKeepsNothingHalfDone) {
  QStringList shown;
  errors::SetReporter([&](const QString& m) { shown << m; });
  QTemporaryDir dir;
  QImage picture(684, 449, QImage::Format_RGB32);
  picture.fill(Qt::white);
  DiagramPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString missing = dir.filePath("gone/out.pdf");
  printer.setOutputFileName(missing);
  PaintPreviewRequest(nullptr, printer, picture);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].startsWith("Cannot write file " + missing + ": ")) << shown[0].toStdString();

  const QString written = dir.filePath("out.pdf");
  printer.setOutputFileName(written);
  PaintPreviewRequest(nullptr, printer, picture);
  EXPECT_EQ(shown.size(), 1);
  EXPECT_TRUE(testsupport::ReadFile(written).size() > 100);
  errors::SetReporter(nullptr);
}

}  // namespace
