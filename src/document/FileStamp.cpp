#include "FileStamp.h"

#include <sys/stat.h>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <exception>

#include "RegularFile.h"

namespace {
constexpr auto kDigest = QCryptographicHash::Sha1;

int64_t Nanoseconds(const timespec& t) { return int64_t{t.tv_sec} * 1000000000 + t.tv_nsec; }
}  // namespace

FileStamp FileStamp::Of(const QString& path) {
  FileStamp stamp;
  stamp.path = QFileInfo(path).absoluteFilePath();
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return stamp;
  stamp.exists = true;
  stamp.device = st.st_dev;
  stamp.inode = st.st_ino;
  stamp.size = st.st_size;
  stamp.modifiedNs = Nanoseconds(st.st_mtim);
  stamp.changedNs = Nanoseconds(st.st_ctim);
  return stamp;
}

QByteArray FileStamp::DigestOf(const QByteArray& bytes) { return QCryptographicHash::hash(bytes, kDigest); }

QByteArray FileStamp::DigestOfFile(const QString& path) {
  try {
    QFile file;
    regularfile::Open(file, path);
    QCryptographicHash hash(kDigest);
    if (!hash.addData(&file) || file.error() != QFileDevice::NoError) return {};
    return hash.result();
  } catch (const std::exception&) {
    return {};
  }
}

bool FileStamp::SameMetadata(const FileStamp& o) const {
  return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
         modifiedNs == o.modifiedNs && changedNs == o.changedNs;
}

namespace filestamp {

bool ChangedSince(const FileStamp& baseline) {
  const FileStamp now = FileStamp::Of(baseline.path);
  if (!now.exists) return false;
  if (!baseline.exists) return true;
  if (now.SameMetadata(baseline)) return false;
  if (now.size != baseline.size || baseline.digest.isEmpty()) return true;
  const QByteArray digest = FileStamp::DigestOfFile(baseline.path);
  return digest.isEmpty() || digest != baseline.digest;
}

}  // namespace filestamp
