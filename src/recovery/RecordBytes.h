#pragma once
#include <QByteArray>
#include <QString>
#include <span>

class Persistent;

// A diagram's records held in memory: what an autosave copies and what recovery checks.
namespace recordbytes {

// Room reserved per record when nothing better is known (a figure's record is about 330 bytes).
constexpr qsizetype kRoomPerRecord = 512;

// The bytes Save would write for these figures, bottom figure first. sizeHint: how many bytes
// they are expected to take (a little more than the previous copy, say).
QByteArray Serialise(std::span<const Persistent* const> records, qsizetype sizeHint = 0);

struct Check {
  int figures = 0;  // read whole before the end or the error
  QString error;    // the reader's message; empty when every record reads
};
// Reads the records through the editor's own reader, as opening the file would (the figures
// read are dropped at once). Runs on the UI thread: figures are widgets.
Check Read(const QByteArray& bytes);
// The same for a copy on disk, read through the file a few kilobytes at a time rather than whole:
// only a regular file (no link) of at most regularfile::kMaxBytes is opened, and the reading
// stops at the first record that fails. The open's refusal is the error then.
Check ReadFile(const QString& path);

}  // namespace recordbytes
