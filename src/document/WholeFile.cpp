#include "WholeFile.h"

#include <QCoreApplication>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <optional>

#include "Errors.h"
#include "RegularFile.h"

namespace wholefile {

namespace {

QMutex g_filterLock;
DeviceFilter g_filter;

DeviceFilter CurrentFilter() {
  QMutexLocker lock(&g_filterLock);
  return g_filter;
}

[[noreturn]] void CannotCreate(const QString& fileName, const QString& reason = {}) {
  if (reason.isEmpty()) throw EKedrinError(QCoreApplication::translate("TwinKedrinFile", "Cannot create file %1").arg(fileName));
  throw EKedrinError(QCoreApplication::translate("TwinKedrinFile", "Cannot create file %1: %2").arg(fileName, reason));
}

[[noreturn]] void CannotWrite(const QString& fileName, const QString& reason) {
  throw EKedrinError(QCoreApplication::translate("TwinKedrinFile", "Cannot write file %1: %2").arg(fileName, reason));
}

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// What a save may replace, checked before anything is written. Empty when nothing is there yet.
std::optional<struct stat> CheckTarget(const QString& fileName, Links links) {
  const QByteArray path = QFile::encodeName(fileName);
  struct stat link {};
  if (::lstat(path.constData(), &link) != 0) return std::nullopt;  // a new file
  if (S_ISLNK(link.st_mode)) {
    if (links == Links::Refuse) CannotCreate(fileName, QCoreApplication::translate("TwinKedrinFile", "it is a symbolic link, not a regular file"));
    struct stat target {};
    if (::stat(path.constData(), &target) != 0)
      CannotCreate(fileName, QCoreApplication::translate("TwinKedrinFile", "it is a symbolic link to nothing (%1)").arg(SystemReason(errno)));
    if (!S_ISREG(target.st_mode))
      CannotCreate(fileName, QCoreApplication::translate("TwinKedrinFile", "it leads to %1, not a regular file").arg(regularfile::KindOfMode(target.st_mode)));
    link = target;
  } else if (!S_ISREG(link.st_mode)) {
    CannotCreate(fileName, QCoreApplication::translate("TwinKedrinFile", "it is %1, not a regular file").arg(regularfile::KindOfMode(link.st_mode)));
  }
  // Nobody may write it: someone made it read-only on purpose, and replacing it would undo that.
  if ((link.st_mode & 0222) == 0 || ::access(path.constData(), W_OK) != 0)
    CannotCreate(fileName, QCoreApplication::translate("TwinKedrinFile", "it is read-only"));
  return link;
}

// What producers write on: gathers their many small writes into large ones for the file, which
// is opened unbuffered so that every failure comes back with the system's reason (Qt's own
// buffer reports a cut-off write without one). Remembers the first failure, whatever the
// producer does about it, and refuses every write after it.
class CheckedDevice final : public QIODevice {
 public:
  CheckedDevice(QIODevice& target, bool digest) : target_(target) {
    if (digest) hash_.emplace(QCryptographicHash::Sha1);
    buffer_.reserve(kChunk);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  }
  // Hands on what is still gathered; false once anything failed.
  bool Drain() {
    if (!failed_ && !buffer_.isEmpty()) Pass(buffer_.constData(), buffer_.size());
    buffer_.clear();
    return !failed_;
  }
  bool Failed() const { return failed_; }
  QString Reason() const { return reason_; }
  QByteArray Digest() const { return hash_ ? hash_->result() : QByteArray(); }
  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 length) override {
    if (failed_) return -1;
    if (hash_) hash_->addData(QByteArrayView(data, length));
    if (buffer_.size() + length <= kChunk) {
      buffer_.append(data, length);
    } else {
      if (!Drain()) return -1;
      if (length < kChunk) buffer_.append(data, length);
      else Pass(data, length);
    }
    return failed_ ? -1 : length;
  }

 private:
  static constexpr qsizetype kChunk = 256 * 1024;

  void Pass(const char* data, qint64 length) {
    for (qint64 done = 0; done < length;) {
      const qint64 n = target_.write(data + done, length - done);
      if (n <= 0) {
        failed_ = true;
        reason_ = target_.errorString();
        if (reason_.isEmpty() || reason_ == QLatin1String("Unknown error")) reason_ = QCoreApplication::translate("TwinKedrinFile", "write error");
        setErrorString(reason_);
        return;
      }
      done += n;
    }
  }

  QIODevice& target_;
  QByteArray buffer_;
  std::optional<QCryptographicHash> hash_;
  bool failed_ = false;
  QString reason_;
};

int64_t Nanoseconds(const timespec& t) { return int64_t{t.tv_sec} * 1000000000 + t.tv_nsec; }

}  // namespace

void SetDeviceFilter(DeviceFilter filter) {
  QMutexLocker lock(&g_filterLock);
  g_filter = std::move(filter);
}

FileStamp Write(const QString& fileName, const Producer& produce, const Options& options) {
  const std::optional<struct stat> old = CheckTarget(fileName, options.links);
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) CannotCreate(fileName);
  // From here on, every way out that is not the commit drops the new file.
  struct Discard {
    QSaveFile& file;
    bool armed = true;
    ~Discard() {
      if (armed) file.cancelWriting();
    }
  } discard{file};

  const DeviceFilter filter = CurrentFilter();
  std::unique_ptr<QIODevice> filtered = filter ? filter(file) : nullptr;
  CheckedDevice device(filtered ? *filtered : file, options.digest);
  bool produced = false;
  try {
    produced = produce(device);
  } catch (...) {
    // A producer that gives up on a refused write: the refusal is the reason.
    if (device.Failed()) CannotWrite(fileName, device.Reason());
    throw;
  }
  // A full disk often shows only with the last bytes; a commit after that would put an empty or
  // cut-off file in place.
  if (!device.Drain()) CannotWrite(fileName, device.Reason());
  if (!produced) CannotWrite(fileName, QCoreApplication::translate("TwinKedrinFile", "the data could not be made"));
  if (!file.flush()) CannotWrite(fileName, file.errorString());
  const int fd = file.handle();
  if (old) {
    // The owner first: a change of owner clears the set-id bits, which a diagram has no use for.
    if (::fchown(fd, old->st_uid, old->st_gid) != 0) static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), old->st_gid));
    // Where the file system keeps no modes of its own (FAT), this fails and changes nothing.
    static_cast<void>(::fchmod(fd, old->st_mode & 0777));
  }
  // Some file systems (network ones, or any with delayed allocation) report a full disk only
  // when the data goes to the disk.
  if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
    CannotWrite(fileName, SystemReason(errno));
  struct stat written {};
  const bool statted = ::fstat(fd, &written) == 0;
  if (!file.commit()) {
    discard.armed = false;  // commit removed it
    CannotWrite(fileName, file.errorString());
  }
  discard.armed = false;

  FileStamp stamp = FileStamp::Of(fileName);
  // Someone else's file already in its place: a stamp of ours that cannot match it.
  if (statted && (stamp.inode != written.st_ino || stamp.device != written.st_dev)) {
    stamp.inode = written.st_ino;
    stamp.device = written.st_dev;
    stamp.size = written.st_size;
    stamp.modifiedNs = Nanoseconds(written.st_mtim);
  }
  stamp.digest = device.Digest();
  return stamp;
}

}  // namespace wholefile
