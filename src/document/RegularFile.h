#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <cstdint>

class QFile;

// Opening the files a user, a list or a folder names for reading. Only regular files are read: a
// pipe would make the open wait for a writer for ever and a device such as /dev/zero never ends.
// The open itself never waits, and a file larger than any diagram is refused before a byte is
// read.
namespace regularfile {

// The most a diagram file or a recovery copy may hold. Real diagrams are far smaller: 100,000
// figures take 33 MB.
constexpr int64_t kMaxBytes = int64_t{1} << 30;

enum class Links {
  Follow,  // a symbolic link is read as the file it leads to
  Refuse,  // a symbolic link is refused (folders only this program writes in)
};

// Opens the file into `file` with `mode` (ReadOnly, with Unbuffered if wanted). Throws
// EKedrinError naming the file and the reason: "Cannot open file NAME: No such file or
// directory", "...: it is a pipe, not a regular file", "...: it is larger than 1 GiB, more than a
// diagram can be".
void Open(QFile& file, const QString& fileName, QIODevice::OpenMode mode = QIODevice::ReadOnly,
          Links links = Links::Follow, int64_t limit = kMaxBytes);

// The whole file, opened as Open does; at most `limit` bytes.
QByteArray ReadAll(const QString& fileName, Links links = Links::Follow, int64_t limit = kMaxBytes);

// "a folder", "a device", "a pipe", "a socket", "a symbolic link" for an lstat/stat mode, empty
// for a regular file.
QString KindOfMode(unsigned mode);

}  // namespace regularfile
