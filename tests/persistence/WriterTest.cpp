#include <gtest/gtest.h>

#include "Bytes.h"
#include "FakeShape.h"
#include "IdentTable.h"

namespace {

struct IntCase {
  int64_t value;
  const char* bytes;
};

class IntegerEncoding : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntegerEncoding, UsesTheNarrowestTag) {
  auto bytes = Written([&](TWriter& w) { w.WriteInteger(GetParam().value); });
  EXPECT_EQ(ToHex(bytes), ToHex(Hex(GetParam().bytes)));
}

INSTANTIATE_TEST_SUITE_P(Widths, IntegerEncoding,
                         ::testing::Values(IntCase{0, "02 00"}, IntCase{127, "02 7F"},
                                           IntCase{-128, "02 80"}, IntCase{128, "03 80 00"},
                                           IntCase{-129, "03 7F FF"}, IntCase{32767, "03 FF 7F"},
                                           IntCase{-32768, "03 00 80"},
                                           IntCase{32768, "04 00 80 00 00"},
                                           IntCase{40000, "04 40 9C 00 00"},
                                           IntCase{-32769, "04 FF 7F FF FF"},
                                           IntCase{0x030201, "04 01 02 03 00"}));

struct TextCase {
  const char* utf8;
  const char* bytes;
};

class TextEncoding : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextEncoding, PicksTheShorterForm) {
  auto bytes = Written([&](TWriter& w) { w.WriteText(GetParam().utf8); });
  EXPECT_EQ(ToHex(bytes), ToHex(Hex(GetParam().bytes)));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TextEncoding,
    ::testing::Values(
        TextCase{"Process", "06 07 50 72 6F 63 65 73 73"},
        TextCase{"\xE5\xBC\x80\xE5\xA7\x8B", "12 02 00 00 00 00 5F CB 59"},   // U+5F00 U+59CB
        TextCase{"AB\xE5\xBC\x80", "14 05 00 00 00 41 42 E5 BC 80"},           // AB U+5F00
        TextCase{"A\xE5\xBC\x80", "12 02 00 00 00 41 00 00 5F"},               // A U+5F00
        TextCase{"\xC3\xA9", "12 01 00 00 00 E9 00"},                          // two bytes each
        TextCase{"a\xC3\xA9", "14 03 00 00 00 61 C3 A9"},
        TextCase{"\xF0\x9F\x98\x80", "12 02 00 00 00 3D D8 00 DE"}));           // surrogate pair

TEST(TextEncoding, LongAsciiTextUsesTheFourByteLength) {
  std::string text(256, 'x');
  auto bytes = Written([&](TWriter& w) { w.WriteText(text); });
  ASSERT_EQ(bytes.size(), 1u + 4u + 256u);
  EXPECT_EQ(ToHex({bytes.begin(), bytes.begin() + 5}), "0C 00 01 00 00");
  std::string text255(255, 'y');
  auto b255 = Written([&](TWriter& w) { w.WriteText(text255); });
  EXPECT_EQ(ToHex({b255.begin(), b255.begin() + 2}), "06 FF");
}

TEST(TextEncoding, FontNameOfChineseFaceIsUtf8) {
  // "新宋体-18030": three Chinese characters and six ASCII ones.
  auto bytes = Written([&](TWriter& w) { w.WriteText("\xE6\x96\xB0\xE5\xAE\x8B\xE4\xBD\x93-18030"); });
  EXPECT_EQ(ToHex({bytes.begin(), bytes.begin() + 5}), "14 0F 00 00 00");
}

TEST(IdentEncoding, BareTagsForTheFourSpecialNames) {
  struct { const char* name; const char* bytes; } cases[] = {
      {"False", "08"}, {"true", "09"}, {"NULL", "00"}, {"Nil", "0D"},
      {"clBlack", "07 07 63 6C 42 6C 61 63 6B"}};
  for (auto& c : cases) {
    auto bytes = Written([&](TWriter& w) { w.WriteIdent(c.name); });
    EXPECT_EQ(ToHex(bytes), ToHex(Hex(c.bytes))) << c.name;
  }
}

TEST(IdentTables, FirstMatchingNameWins) {
  EXPECT_STREQ(CursorIdentTable.NameOf(-22), "crSizeAll");
  EXPECT_STREQ(ColorIdentTable.NameOf(0xFFFFFF), "clWhite");
  EXPECT_STREQ(CharsetIdentTable.NameOf(134), "GB2312_CHARSET");
  EXPECT_EQ(CharsetIdentTable.NameOf(163), nullptr);
  EXPECT_EQ(ColorIdentTable.count, 49);
  EXPECT_EQ(CharsetIdentTable.count, 18);
  EXPECT_EQ(CursorIdentTable.count, 22);
  EXPECT_EQ(*CursorIdentTable.ValueOf("CRSIZE"), -22);
  EXPECT_EQ(*ColorIdentTable.ValueOf("clinfobk"), static_cast<int32_t>(0x80000018));
}

TEST(WriteShape, WrittenWhenRulesAndValueForms) {
  FakeShape s;
  s.left = 120;
  s.color = 0xFFFFFF;
  s.charset = 163;
  s.cursor = 0;      // default: left out
  s.rate = 3;        // default: left out
  s.style = 2;
  s.flag = true;
  s.styles = 1 | 4;  // fsBold, fsUnderline
  s.inner.height = -11;
  auto bytes = Written([&](TWriter& w) { w.WriteShape(s); });
  auto expected = Concat({Hex("54 50 46 30"), Short("TFakeShape"), Hex("00"),
                          Short("Left"), Hex("02 78"),
                          Short("Color"), Hex("07"), Short("clWhite"),
                          Short("Charset"), Hex("03 A3 00"),
                          Short("Style"), Hex("07"), Short("psDot"),
                          Short("Flag"), Hex("09"),
                          Short("Styles"), Hex("0B"), Short("fsBold"), Short("fsUnderline"), Hex("00"),
                          Short("Inner.Height"), Hex("02 F5"),
                          Hex("00 00")});
  EXPECT_EQ(ToHex(bytes), ToHex(expected));
}

TEST(WriteShape, RecordsWrittenBackToBackFormOneStream) {
  FakeShape a, b;
  a.left = 1;
  b.left = 2;
  MemoryStream stream;
  {
    TWriter w(stream);
    w.WriteShape(a);
    w.WriteShape(b);
  }
  auto one = Written([&](TWriter& w) { w.WriteShape(a); });
  EXPECT_EQ(stream.Data().size(), 2 * one.size());
  EXPECT_EQ(stream.Position(), stream.Size());
}

TEST(WriteShape, ShortStringsAreCutAt255Bytes) {
  auto bytes = Written([&](TWriter& w) { w.WriteShortString(std::string(300, 'a')); });
  EXPECT_EQ(bytes.size(), 256u);
  EXPECT_EQ(bytes[0], 255);
}

}  // namespace
