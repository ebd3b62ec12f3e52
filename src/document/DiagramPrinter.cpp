#include "DiagramPrinter.h"

#include "PrintFit.h"

DiagramPrinter::DiagramPrinter(PrinterMode mode) : QPrinter(mode), given_(pageLayout().orientation()) {}

bool DiagramPrinter::OrientationChosen() const { return pageLayout().orientation() != given_; }

void DiagramPrinter::TurnPageFor(QSize picture) {
  if (OrientationChosen()) return;
  const QPageLayout layout = pageLayout();
  if (!PageWantsTurning(picture, layout.fullRectPoints().size())) return;
  const QPageLayout::Orientation turned =
      layout.orientation() == QPageLayout::Portrait ? QPageLayout::Landscape : QPageLayout::Portrait;
  if (setPageOrientation(turned)) given_ = turned;
}

void TurnPageForPicture(QPrinter& printer, QSize picture) {
  if (auto* ours = dynamic_cast<DiagramPrinter*>(&printer)) ours->TurnPageFor(picture);
}
