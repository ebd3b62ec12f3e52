#pragma once
#include "ByteStream.h"

class QIODevice;

// The record reader's and writer's view of an open QIODevice (a file, a save file, a buffer).
// The size is taken once when the stream is made and then follows what is written, so the
// reader's many bounds checks cost no system call.
class DeviceStream final : public ByteStream {
 public:
  explicit DeviceStream(QIODevice& device);

  // Fails with "Stream read error" when the device reports an error or a seek failed.
  size_t Read(void* buffer, size_t count) override;
  // Fails with "Stream write error" unless every byte was taken.
  void Write(const void* buffer, size_t count) override;
  int64_t Position() const override;
  void Seek(int64_t position) override;
  int64_t Size() const override { return size_; }

 private:
  QIODevice& device_;
  int64_t size_;
  bool seekFailed_ = false;
};
