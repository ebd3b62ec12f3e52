#pragma once
#include <functional>
#include <string>

#include "ByteStream.h"

// A readable listing of figure records without constructing any figure: one line per property
// entry, "#3 TKDArrow ArrowPosition = apRight", records numbered from 1. Walks the stream as the
// editor reads a file, one fresh reader per record, and fails with the reader's messages where the
// structure of a record is damaged ("Invalid stream format", "Stream read error"). Returns the
// number of records.
int DumpRecords(ByteStream& stream, const std::function<void(const std::string& line)>& take);
