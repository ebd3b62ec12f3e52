#pragma once
// Files that cannot be written whole, as on a full disk, for the tests of every writer.
#include <sys/resource.h>

#include <QIODevice>
#include <algorithm>
#include <csignal>
#include <memory>

#include "WholeFile.h"

// Takes `budget` bytes, passing them on, then fails every write as a full disk does.
class FailingDevice final : public QIODevice {
 public:
  FailingDevice(QIODevice& target, qint64 budget) : target_(target), budget_(budget) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 length) override {
    if (budget_ <= 0) {
      setErrorString(QStringLiteral("No space left on device"));
      return -1;
    }
    const qint64 n = target_.write(data, std::min(length, budget_));
    budget_ -= std::max<qint64>(n, 0);
    return n;
  }

 private:
  QIODevice& target_;
  qint64 budget_;
};

// While it lives, every file written through wholefile::Write fills up after `budget` bytes.
class DiskFullAfter {
 public:
  explicit DiskFullAfter(qint64 budget) {
    wholefile::SetDeviceFilter([budget](QIODevice& file) { return std::make_unique<FailingDevice>(file, budget); });
  }
  ~DiskFullAfter() { wholefile::SetDeviceFilter(nullptr); }
  DiskFullAfter(const DiskFullAfter&) = delete;
  DiskFullAfter& operator=(const DiskFullAfter&) = delete;
};

// While it lives, this process cannot make any file longer than `bytes`: the system fails the
// write (EFBIG, "File too large") exactly where a full disk fails it (ENOSPC), buffers and all.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*previous_)(int) = nullptr;
};
