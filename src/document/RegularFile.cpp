#include "RegularFile.h"

#include <QCoreApplication>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "Errors.h"

namespace regularfile {

namespace {

[[noreturn]] void Refuse(const QString& fileName, const QString& reason) {
  throw EKedrinError(QCoreApplication::translate("TwinKedrinFile", "Cannot open file %1: %2").arg(fileName, reason));
}

QString SizeText(int64_t bytes) {
  if (bytes >= (int64_t{1} << 30) && bytes % (int64_t{1} << 30) == 0)
    return QCoreApplication::translate("TwinKedrinFile", "%1 GiB").arg(bytes >> 30);
  if (bytes >= (int64_t{1} << 20) && bytes % (int64_t{1} << 20) == 0)
    return QCoreApplication::translate("TwinKedrinFile", "%1 MiB").arg(bytes >> 20);
  return QCoreApplication::translate("TwinKedrinFile", "%1 bytes").arg(bytes);
}

}  // namespace

QString KindOfMode(unsigned mode) {
  switch (mode & S_IFMT) {
    case S_IFREG: return {};
    case S_IFDIR: return QCoreApplication::translate("TwinKedrinFile", "a folder");
    case S_IFCHR:
    case S_IFBLK: return QCoreApplication::translate("TwinKedrinFile", "a device");
    case S_IFIFO: return QCoreApplication::translate("TwinKedrinFile", "a pipe");
    case S_IFSOCK: return QCoreApplication::translate("TwinKedrinFile", "a socket");
    case S_IFLNK: return QCoreApplication::translate("TwinKedrinFile", "a symbolic link");
    default: return QCoreApplication::translate("TwinKedrinFile", "not a file");
  }
}

void Open(QFile& file, const QString& fileName, QIODevice::OpenMode mode, Links links, int64_t limit) {
  const QByteArray path = QFile::encodeName(fileName);
  // O_NONBLOCK: opening a pipe with no writer returns at once instead of waiting for one.
  const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (links == Links::Refuse ? O_NOFOLLOW : 0);
  const int fd = path.isEmpty() ? -1 : ::open(path.constData(), flags);
  if (fd < 0) {
    const int error = path.isEmpty() ? ENOENT : errno;
    if (error == ELOOP && links == Links::Refuse) Refuse(fileName, QCoreApplication::translate("TwinKedrinFile", "it is a symbolic link, not a regular file"));
    Refuse(fileName, QString::fromLocal8Bit(std::strerror(error)));
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int error = errno;
    ::close(fd);
    Refuse(fileName, QString::fromLocal8Bit(std::strerror(error)));
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    Refuse(fileName, QCoreApplication::translate("TwinKedrinFile", "it is %1, not a regular file").arg(KindOfMode(st.st_mode)));
  }
  if (st.st_size > limit) {
    ::close(fd);
    Refuse(fileName, QCoreApplication::translate("TwinKedrinFile", "it is larger than %1, more than a diagram can be").arg(SizeText(limit)));
  }
  // Reads of a regular file never wait; blocking mode is what QFile expects.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
    const QString reason = file.errorString();
    ::close(fd);
    Refuse(fileName, reason);
  }
}

QByteArray ReadAll(const QString& fileName, Links links, int64_t limit) {
  QFile file;
  Open(file, fileName, QIODevice::ReadOnly, links, limit);
  // What the file held when it was opened: one that grows meanwhile still stops there.
  QByteArray bytes = file.read(std::min<qint64>(file.size(), limit));
  if (file.error() != QFileDevice::NoError)
    throw EKedrinError(QCoreApplication::translate("TwinKedrinFile", "Cannot read file %1: %2").arg(fileName, file.errorString()));
  return bytes;
}

}  // namespace regularfile
