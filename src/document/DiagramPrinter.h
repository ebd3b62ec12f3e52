#pragma once
#include <QPageLayout>
#include <QPrinter>
#include <QSize>

// The main window's printer. Printing turns its page to suit each diagram (landscape for one
// wider than tall, portrait for one taller than wide) unless the user turned it: an orientation
// other than the one printing last gave the page was chosen in Print Setup (or the preview) and
// is kept, until the user turns the page back.
class DiagramPrinter : public QPrinter {
 public:
  explicit DiagramPrinter(PrinterMode mode = ScreenResolution);

  // True when the page's orientation is not the one printing gave it.
  bool OrientationChosen() const;
  // Turns the page for the picture (PageWantsTurning) unless its orientation was chosen.
  void TurnPageFor(QSize picture);

 private:
  QPageLayout::Orientation given_;
};

// Turns the printer's page for the picture when it is a DiagramPrinter; any other printer stays
// exactly as it was set up.
void TurnPageForPicture(QPrinter& printer, QSize picture);
