// The read-ahead view gives exactly the bytes and positions of the stream underneath, while
// reaching the stream underneath only when a read leaves its window.
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "ReadAheadStream.h"
#include "StreamError.h"

namespace {

// Bytes 0, 1, 2, ... 99, counting the reads that reach it.
class CountingStream final : public ByteStream {
 public:
  CountingStream() : inner_(Bytes()) {}
  size_t Read(void* buffer, size_t count) override {
    ++reads;
    return inner_.Read(buffer, count);
  }
  void Write(const void*, size_t) override {}
  int64_t Position() const override { return inner_.Position(); }
  void Seek(int64_t position) override { inner_.Seek(position); }
  int64_t Size() const override { return inner_.Size(); }
  int reads = 0;

 private:
  static std::vector<uint8_t> Bytes() {
    std::vector<uint8_t> b(100);
    std::iota(b.begin(), b.end(), uint8_t{0});
    return b;
  }
  MemoryStream inner_;
};

struct Step {
  int64_t seek;  // -1: read on from where the last step ended; below that: seek before the start
  size_t count;
  std::vector<uint8_t> bytes;  // what the read gives
  int64_t position;            // after the read
  int reads;                   // reads of the stream underneath so far
};

struct Case {
  const char* name;
  size_t window;
  std::vector<Step> steps;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class ReadAheadStreamSteps : public ::testing::TestWithParam<Case> {};

TEST_P(ReadAheadStreamSteps, GiveTheBytesAndPositionsOfTheStreamUnderneath) {
  CountingStream source;
  ReadAheadStream stream(source, GetParam().window);
  EXPECT_EQ(stream.Size(), 100);
  for (size_t i = 0; i < GetParam().steps.size(); ++i) {
    const Step& s = GetParam().steps[i];
    SCOPED_TRACE(i);
    if (s.seek != -1) stream.Seek(s.seek);
    std::vector<uint8_t> got(s.count, 0xEE);
    got.resize(stream.Read(got.data(), s.count));
    EXPECT_EQ(got, s.bytes);
    EXPECT_EQ(stream.Position(), s.position);
    EXPECT_EQ(source.reads, s.reads);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadAheadStreamSteps,
    ::testing::Values(
        // A record's reader: reads ahead, then seeks back to where the record ended; the next
        // one reads from there without touching the stream underneath.
        Case{"ReadAheadAndSeekBack", 32,
             {{0, 4, {0, 1, 2, 3}, 4, 1}, {-1, 3, {4, 5, 6}, 7, 1}, {5, 2, {5, 6}, 7, 1}, {30, 2, {30, 31}, 32, 1}}},
        // A read across the end of the window goes on with a window from there.
        Case{"AcrossTheWindow", 8,
             {{0, 2, {0, 1}, 2, 1}, {-1, 8, {2, 3, 4, 5, 6, 7, 8, 9}, 10, 2}, {-1, 2, {10, 11}, 12, 2}}},
        // Back before the window: read again from there.
        Case{"BackBeforeTheWindow", 8, {{20, 1, {20}, 21, 1}, {3, 2, {3, 4}, 5, 2}}},
        // The end: a short read, then nothing; beyond the end nothing either; before the start
        // is the start.
        Case{"TheEnd", 8,
             {{97, 10, {97, 98, 99}, 100, 2}, {-1, 1, {}, 100, 3}, {150, 4, {}, 150, 4}, {-5, 1, {0}, 1, 5}}},
        // A read larger than the window.
        Case{"LargerThanTheWindow", 4, {{1, 9, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 10, 3}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadAheadStream, StartsWhereTheStreamUnderneathIsAndOnlyReads) {
  CountingStream source;
  source.Seek(40);
  ReadAheadStream stream(source, 16);
  EXPECT_EQ(stream.Position(), 40);
  uint8_t b = 0;
  ASSERT_EQ(stream.Read(&b, 1), 1u);
  EXPECT_EQ(b, 40);
  EXPECT_THROW(stream.Write(&b, 1), EStreamError);
}

}  // namespace
