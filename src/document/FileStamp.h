#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// What a file on disk was when the editor last read or wrote it, so that a save can tell whether
// another program (or another editor) has changed it since.
struct FileStamp {
  QString path;  // absolute
  bool exists = false;
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = 0;
  int64_t modifiedNs = 0;  // content change time
  int64_t changedNs = 0;   // status change time: moves with every write, even a back-dated one
  QByteArray digest;       // of the content; empty when not known

  // The file's metadata now (no digest); `exists` false when there is nothing at the path.
  static FileStamp Of(const QString& path);
  // The digest of the bytes, as stamps hold it.
  static QByteArray DigestOf(const QByteArray& bytes);
  // The digest of the regular file's content; empty when it cannot be read.
  static QByteArray DigestOfFile(const QString& path);

  bool SameMetadata(const FileStamp& other) const;
};

namespace filestamp {

// Whether the file at the baseline's path now holds something else than it did: the same
// metadata means the same file; otherwise the same size with the same digest still does (a copy
// put back, a change of owner or mode). A file that is gone has lost nothing to a save and
// counts as unchanged.
bool ChangedSince(const FileStamp& baseline);

}  // namespace filestamp
