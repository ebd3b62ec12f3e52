#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "ByteStream.h"
#include "FileStamp.h"

class Persistent;
class TCustomKDTool;

// Diagram files: one figure record after another, with nothing before, between or after them.
namespace diagramfile {

// Writes one record per object, in the given order, whole or not at all (see wholefile::Write):
// a save that fails or is interrupted leaves the previous file whole. Fails with "Cannot create
// file %s" when the file cannot be created, with "Cannot write file %s: REASON" when writing it
// or putting it in place fails, and with the writer's error when a record cannot be made.
// Returns the stamp of the file written, with the digest of its content.
FileStamp Write(const QString& fileName, std::span<const Persistent* const> records);

// Takes each figure as it is read (ownership passes to the sink).
using FigureSink = std::function<void(std::unique_ptr<TCustomKDTool> figure)>;
// Runs after every record, read or failed, with the stream position after it and the size. It may
// throw to stop the reading (the exception passes through).
using RecordDone = std::function<void(int64_t position, int64_t size)>;

// Reads records until the end of the stream, each with a fresh reader reading 4096 bytes ahead,
// and hands every figure to the sink. A failing record ends the reading with its error; figures
// handed over before it stay with the sink. The nine figure classes are registered first.
// Returns the number of figures read.
int ReadRecords(ByteStream& stream, const FigureSink& onFigure, const RecordDone& afterRecord = {});

// Opens the file and reads it as ReadRecords does. Only a regular file of at most
// regularfile::kMaxBytes is read, and the open never waits (see regularfile::Open, whose errors
// it throws). When `stamp` is given and the whole file was read, it receives the file's stamp as
// read, with the digest of its content.
int Read(const QString& fileName, const FigureSink& onFigure, const RecordDone& afterRecord = {},
         FileStamp* stamp = nullptr);

}  // namespace diagramfile
