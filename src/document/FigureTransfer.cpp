#include "FigureTransfer.h"

#include "ByteStream.h"
#include "CustomKDTool.h"
#include "DiagramFile.h"
#include "Writer.h"

namespace figuretransfer {

QByteArray Records(std::span<TCustomKDTool* const> figures) {
  MemoryStream stream;
  {
    TWriter writer(stream);
    for (TCustomKDTool* f : figures) writer.WriteShape(*f);
    writer.FlushBuffer();
  }
  const std::vector<uint8_t>& bytes = stream.Data();
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

std::vector<std::unique_ptr<TCustomKDTool>> Read(const QByteArray& records) {
  MemoryStream stream(records.constData(), static_cast<size_t>(records.size()));
  std::vector<std::unique_ptr<TCustomKDTool>> figures;
  diagramfile::ReadRecords(stream, [&](std::unique_ptr<TCustomKDTool> f) { figures.push_back(std::move(f)); });
  return figures;
}

}  // namespace figuretransfer
