#pragma once

class QImage;
class QPrinter;
class QWidget;

namespace exporting {

// Shows Qt's print preview of the picture on the printer's page, drawn by the same code as
// printing (DrawPictureOnPage), so the preview is exactly the printout; the preview's Print
// button prints it. Returns the dialog's result (QDialog::Accepted once printed).
int ShowPrintPreview(QWidget* parent, QPrinter* printer, const QImage& picture);

}  // namespace exporting
