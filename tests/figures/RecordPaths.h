#pragma once
// A diagram file's bytes read and written again along the two paths: the figure classes (the
// editor's reading of a file, then its writer) and the figure values.
#include <memory>
#include <string>
#include <vector>

#include "ByteStream.h"
#include "CustomKDTool.h"
#include "DiagramFile.h"
#include "FigureFile.h"
#include "StreamError.h"
#include "Writer.h"

namespace recordpaths {

struct Outcome {
  size_t figures = 0;
  std::string error;               // the reader's message; empty when every record was read
  std::vector<uint8_t> rewritten;  // what was read, written again
  bool operator==(const Outcome&) const = default;
};

inline Outcome OldPath(const std::vector<uint8_t>& bytes) {
  MemoryStream stream(bytes);
  std::vector<std::unique_ptr<TCustomKDTool>> read;
  Outcome o;
  try {
    diagramfile::ReadRecords(stream, [&](std::unique_ptr<TCustomKDTool> f) { read.push_back(std::move(f)); });
  } catch (const EStreamError& e) {
    o.error = e.what();
  }
  MemoryStream out;
  {
    TWriter writer(out);
    for (const auto& f : read) writer.WriteShape(*f);
    writer.FlushBuffer();
  }
  o.figures = read.size();
  o.rewritten = out.TakeData();
  return o;
}

inline Outcome NewPath(const std::vector<uint8_t>& bytes) {
  figures::FigureFileRead read = figures::ReadFigures(bytes);
  return {read.figures.size(), read.error, figures::WriteFigures(read.figures)};
}

}  // namespace recordpaths
