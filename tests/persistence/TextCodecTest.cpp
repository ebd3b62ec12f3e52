#include <gtest/gtest.h>

#include "TextCodec.h"

using namespace textcodec;

TEST(TextCodec, Utf16LengthCountsSurrogatePairsAsTwo) {
  EXPECT_EQ(Utf16Length("abc"), 3u);
  EXPECT_EQ(Utf16Length("\xE5\xBC\x80"), 1u);
  EXPECT_EQ(Utf16Length("\xF0\x9F\x98\x80"), 2u);
}

TEST(TextCodec, RoundTripsThroughUtf16) {
  for (const char* s : {"", "plain", "\xE6\x96\xB0\xE5\xAE\x8B\xE4\xBD\x93-18030", "\xF0\x9F\x98\x80 x"})
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(s)), s);
}

TEST(TextCodec, UnpairedSurrogatesBecomeReplacementCharacters) {
  std::u16string bad = {u'A', static_cast<char16_t>(0xD800), u'B'};
  EXPECT_EQ(Utf16ToUtf8(bad), "A\xEF\xBF\xBD" "B");
}

TEST(TextCodec, SingleByteTextIsUtf8WhenValidElseWindows1252) {
  EXPECT_EQ(AnsiToUtf8("caf\xC3\xA9"), "caf\xC3\xA9");
  EXPECT_EQ(AnsiToUtf8("caf\xE9"), "caf\xC3\xA9");
  EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC");
  EXPECT_FALSE(IsValidUtf8("\xC0\x80"));      // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE5\xBC"));      // cut short
}
