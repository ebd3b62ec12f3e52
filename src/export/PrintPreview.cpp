#include "PrintPreview.h"

#include <QImage>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "PrintFit.h"

namespace exporting {

int ShowPrintPreview(QWidget* parent, QPrinter* printer, const QImage& picture) {
  QPrintPreviewDialog dialog(printer, parent);
  dialog.setWindowTitle(QStringLiteral("Print Preview"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&picture](QPrinter* target) {
    QPainter painter;
    if (painter.begin(target)) DrawPictureOnPage(painter, *target, picture);
  });
  return dialog.exec();
}

}  // namespace exporting
