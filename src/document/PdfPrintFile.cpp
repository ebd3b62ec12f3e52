#include "PdfPrintFile.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "Errors.h"
#include "PrintFit.h"

namespace pdfprint {

namespace {

[[noreturn]] void CannotWrite(const QString& fileName, const QString& reason) {
  throw EKedrinError(QCoreApplication::translate("TwinKedrinFile", "Cannot write file %1: %2").arg(QDir::toNativeSeparators(fileName), reason));
}

QByteArray RenderPage(const QPrinter& printer, const QImage& picture) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setPdfVersion(printer.pdfVersion());
    pdf.setResolution(printer.resolution());
    pdf.setPageLayout(printer.pageLayout());
    pdf.setTitle(printer.docName());
    pdf.setCreator(printer.creator());
    QPainter painter;
    if (!painter.begin(&pdf)) throw EKedrinError(QCoreApplication::translate("TwinKedrinFile", "Printing could not be started"));
    // The printer's grey-scale mode, which a PDF writer lacks, is the picture's.
    const bool grey = printer.colorMode() == QPrinter::GrayScale;
    DrawPictureOnPage(painter, printer.pageLayout(), printer.resolution(),
                      grey ? picture.convertToFormat(QImage::Format_Grayscale8) : picture);
    painter.end();
  }
  return buffer.data();
}

}  // namespace

bool PrintsToPdfFile(const QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

void PrintPicture(const QPrinter& printer, const QImage& picture) {
  const QString fileName = printer.outputFileName();
  const QByteArray pdf = RenderPage(printer, picture);
  QSaveFile file(fileName);
  // Unbuffered, so that each write reports what reached the file: through the buffer, a write
  // the disk cut short still ends in a successful commit.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) CannotWrite(fileName, file.errorString());
  for (qint64 at = 0; at < pdf.size();) {
    const qint64 written = file.write(pdf.constData() + at, pdf.size() - at);
    if (written <= 0) {
      // A short write is followed by one that fails with the system's reason.
      const QString reason = file.errorString();
      file.cancelWriting();
      CannotWrite(fileName, reason);
    }
    at += written;
  }
  if (!file.commit()) CannotWrite(fileName, file.errorString());
}

}  // namespace pdfprint
