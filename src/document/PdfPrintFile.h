#pragma once

class QImage;
class QPrinter;

// Printing to a PDF file. The printer's own PDF output reports nothing when the disk fills up,
// leaving an empty or cut-off file, so the page is made in memory, laid out as the printer
// would lay it out (page size, orientation, margins, resolution, colour mode, title, creator),
// and committed whole with QSaveFile: on any failure the file that was there stays as it was.
namespace pdfprint {

// True when the printer writes a PDF file (Print to File, or the PDF printer offered when no
// printer is installed).
bool PrintsToPdfFile(const QPrinter& printer);

// Prints the picture on one page of the printer's PDF file as DrawPictureOnPage places it.
// Throws EKedrinError "Cannot write file NAME: REASON" when the file cannot be written whole.
void PrintPicture(const QPrinter& printer, const QImage& picture);

}  // namespace pdfprint
