#include "PrintPreview.h"

#include <QCoreApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "DiagramPrinter.h"
#include "Errors.h"
#include "PdfPrintFile.h"
#include "PrintFit.h"

namespace exporting {

void PaintPreviewRequest(QWidget* parent, QPrinter& target, const QImage& picture) {
  // The preview draws its pages through a picture engine; only the real job has the printer's
  // own engine and writes the file.
  const QPaintEngine* engine = target.paintEngine();
  const bool previewing = engine && engine->type() == QPaintEngine::Picture;
  if (!previewing && pdfprint::PrintsToPdfFile(target)) {
    errors::RunCommand(parent, [&] { pdfprint::PrintPicture(target, picture); });
    return;
  }
  QPainter painter;
  if (painter.begin(&target)) DrawPictureOnPage(painter, target, picture);
}

int ShowPrintPreview(QWidget* parent, QPrinter* printer, const QImage& picture) {
  // Before the dialog exists: it shows the orientation the printer has when it opens.
  TurnPageForPicture(*printer, picture.size());
  QPrintPreviewDialog dialog(printer, parent);
  dialog.setWindowTitle(QCoreApplication::translate("PrintPreview", "Print Preview"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [parent, &picture](QPrinter* target) { PaintPreviewRequest(parent, *target, picture); });
  return dialog.exec();
}

}  // namespace exporting
