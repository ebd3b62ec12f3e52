#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "FigureValue.h"

class ByteStream;

// Diagram files as figure values: one record after another, bottom figure first, with nothing
// before, between or after them.
namespace figures {

// What a file's records gave: the figures read, in file order, and the reader's message for the
// record that ended the reading early (empty when every record was read).
struct FigureFileRead {
  std::vector<Figure> figures;
  std::string error;
  bool Whole() const { return error.empty(); }
};

// Reads records from the stream's position to its end, each with a fresh reader as the document
// reads a file, so that a failing record ends the reading with exactly the message it always had
// and the stream stays after what that reader consumed. Only the reader's own errors
// (EStreamError) end up in `error`; anything else passes through.
FigureFileRead ReadFigures(ByteStream& stream);
FigureFileRead ReadFigures(std::span<const uint8_t> bytes);

// One record per figure, in the given order, through one writer; throws EStreamError when the
// stream cannot take them.
void WriteFigures(ByteStream& stream, std::span<const Figure> figures);
std::vector<uint8_t> WriteFigures(std::span<const Figure> figures);

}  // namespace figures
