#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "FigureValue.h"
#include "Persistent.h"

class TReader;
class TWriter;

// A figure value as one record: the property table of its kind (entry names, value forms,
// defaults and order, as every reader of the format expects them) over the value's fields.
namespace figures {

// The published properties of the kind, in record order: the eight closed figures and lines
// share one table, arrows add their four entries.
std::span<const PropertyInfo> RecordProperties(FigureKind kind);

// The Tag entry of the figure's record: a line's course (1 + its direction, for every course but
// the falling one) or the figure's own tag.
int32_t RecordTag(const Figure& figure);

// Reads the next record of the reader as a value; throws EStreamError with the reader's message
// ("Class TKDFoo not found", "Error reading TKDLine.Width: Stream read error", ...).
Figure ReadFigure(TReader& reader);
// One record from its bytes (only the first record of them is read).
Figure ReadFigure(std::span<const uint8_t> record);

void WriteFigure(TWriter& writer, const Figure& figure);
std::vector<uint8_t> WriteFigure(const Figure& figure);

}  // namespace figures
