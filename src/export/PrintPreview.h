#pragma once

class QImage;
class QPrinter;
class QWidget;

namespace exporting {

// Shows Qt's print preview of the picture on the printer's page, drawn by the same code as
// printing (DrawPictureOnPage), so the preview is exactly the printout; the page is first turned
// to suit the picture as Print turns it, and the preview's Print button prints it. Returns the
// dialog's result (QDialog::Accepted once printed).
int ShowPrintPreview(QWidget* parent, QPrinter* printer, const QImage& picture);

// What the preview asks to be painted on its printer: the preview's page, or, once Print is
// pressed, the real job, which for a PDF file is written whole or not at all with the failure
// shown over parent (as Print shows it).
void PaintPreviewRequest(QWidget* parent, QPrinter& target, const QImage& picture);

}  // namespace exporting
