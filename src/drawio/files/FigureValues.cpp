#include "FigureValues.h"

#include <QCoreApplication>
#include <QDir>

#include "ByteStream.h"
#include "CustomKDTool.h"
#include "DiagramFile.h"
#include "Errors.h"
#include "FigureFile.h"
#include "RegularFile.h"
#include "StreamMessages.h"
#include "Writer.h"

namespace drawiofiles {

namespace {
void Number(std::vector<figures::Figure>& figures) {
  for (size_t i = 0; i < figures.size(); ++i) figures[i].id = i + 1;
}
}  // namespace

std::vector<figures::Figure> ValuesOf(std::span<const TCustomKDTool* const> figures) {
  MemoryStream stream;
  {
    TWriter writer(stream);
    for (const TCustomKDTool* f : figures) writer.WriteShape(*f);
    writer.FlushBuffer();
  }
  figures::FigureFileRead read = figures::ReadFigures(stream.Data());
  // Records this program just wrote always read back; a failure here is a fault, not bad input.
  if (!read.Whole())
    throw EKedrinError(QCoreApplication::translate("drawio", "Cannot read the figures back: %1").arg(messages::StreamMessageText(read.error)));
  Number(read.figures);
  return std::move(read.figures);
}

std::vector<std::unique_ptr<TCustomKDTool>> ObjectsOf(std::span<const figures::Figure> values) {
  MemoryStream stream(figures::WriteFigures(values));
  std::vector<std::unique_ptr<TCustomKDTool>> out;
  out.reserve(values.size());
  diagramfile::ReadRecords(stream, [&](std::unique_ptr<TCustomKDTool> f) { out.push_back(std::move(f)); });
  return out;
}

std::vector<figures::Figure> ReadDiagramValues(const QString& fileName) {
  const QByteArray bytes = regularfile::ReadAll(fileName);
  figures::FigureFileRead read =
      figures::ReadFigures(std::span(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())));
  if (!read.Whole())
    throw EKedrinError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(fileName), messages::StreamMessageText(read.error)));
  Number(read.figures);
  return std::move(read.figures);
}

}  // namespace drawiofiles
