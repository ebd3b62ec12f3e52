#include "FigureFile.h"

#include "ByteStream.h"
#include "FigureRecord.h"
#include "Reader.h"
#include "StreamError.h"
#include "Writer.h"

namespace figures {

FigureFileRead ReadFigures(ByteStream& stream) {
  FigureFileRead read;
  try {
    while (stream.Position() < stream.Size()) {
      TReader reader(stream, 4096);
      read.figures.push_back(ReadFigure(reader));
    }
  } catch (const EStreamError& e) {
    read.error = e.what();
  }
  return read;
}

FigureFileRead ReadFigures(std::span<const uint8_t> bytes) {
  MemoryStream stream(bytes.data(), bytes.size());
  return ReadFigures(stream);
}

void WriteFigures(ByteStream& stream, std::span<const Figure> figures) {
  TWriter writer(stream);
  for (const Figure& f : figures) WriteFigure(writer, f);
  writer.FlushBuffer();
}

std::vector<uint8_t> WriteFigures(std::span<const Figure> figures) {
  MemoryStream stream;
  WriteFigures(stream, figures);
  return stream.TakeData();
}

}  // namespace figures
