// Printing a document: its picture fitted onto one page of the printer chosen in Print Setup,
// the page turned to suit the diagram unless the user turned it.
#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include "DiagramPicture.h"
#include "DiagramPrinter.h"
#include "Errors.h"
#include "PdfPrintFile.h"
#include "PrintFit.h"
#include "TImage.h"
#include "TwinKedrinFile.h"

void TwinKedrinFile::PrintDocument() {
  const QImage picture = Picture();
  QPrinter* printer = MainWindow()->Printer();
  if (!printer) throw EKedrinError(QCoreApplication::translate("TwinKedrinFile", "There is no default printer currently selected"));
  TurnPageForPicture(*printer, picture.size());
  if (pdfprint::PrintsToPdfFile(*printer)) {
    pdfprint::PrintPicture(*printer, picture);
    return;
  }
  QPainter painter;
  if (!painter.begin(printer)) throw EKedrinError(QCoreApplication::translate("TwinKedrinFile", "Printing could not be started"));
  // The job is ended whatever happens while drawing.
  struct EndJob {
    QPainter& p;
    ~EndJob() { p.end(); }
  } endJob{painter};
  DrawPictureOnPage(painter, *printer, picture);
}
