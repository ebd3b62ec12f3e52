#include "DeviceStream.h"

#include <QIODevice>
#include <algorithm>

#include "StreamError.h"

namespace {
constexpr const char* kStreamWrite = "Stream write error";
}

DeviceStream::DeviceStream(QIODevice& device) : device_(device), size_(device.size()) {}

size_t DeviceStream::Read(void* buffer, size_t count) {
  if (seekFailed_) throw EStreamError(streammsg::kStreamRead);
  char* out = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < count) {
    qint64 n = device_.read(out + done, static_cast<qint64>(count - done));
    if (n < 0) throw EStreamError(streammsg::kStreamRead);
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

void DeviceStream::Write(const void* buffer, size_t count) {
  const char* in = static_cast<const char*>(buffer);
  size_t done = 0;
  while (done < count) {
    qint64 n = device_.write(in + done, static_cast<qint64>(count - done));
    if (n <= 0) throw EStreamError(kStreamWrite);
    done += static_cast<size_t>(n);
  }
  size_ = std::max<int64_t>(size_, device_.pos());
}

int64_t DeviceStream::Position() const { return device_.pos(); }

void DeviceStream::Seek(int64_t position) {
  // The reader seeks from its destructor, so a failure is kept for the next read instead.
  if (!device_.seek(std::max<int64_t>(position, 0))) seekFailed_ = true;
}
