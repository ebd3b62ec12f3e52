#include <gtest/gtest.h>

#include <memory>

#include "ByteStream.h"
#include "KDTools.h"
#include "Reader.h"
#include "StreamError.h"
#include "TestSupport.h"
#include "Writer.h"

using testsupport::Hex;
using testsupport::ToHex;

namespace {

std::vector<uint8_t> RecordOf(const TCustomKDTool& figure) {
  MemoryStream stream;
  {
    TWriter writer(stream);
    writer.WriteShape(figure);
  }
  return stream.Data();
}

std::unique_ptr<TCustomKDTool> ReadOne(const std::vector<uint8_t>& bytes) {
  RegisterFigureClasses();
  MemoryStream stream(bytes);
  TReader reader(stream);
  std::unique_ptr<Persistent> p = reader.ReadShape();
  return std::unique_ptr<TCustomKDTool>(dynamic_cast<TCustomKDTool*>(p.release()));
}

const char* const kProcessRecord =
    "54 50 46 30 0A 54 4B 44 50 72 6F 63 65 73 73 00 04 4C 65 66 74 02 78 03 54 6F 70 03 C8 00 "
    "05 57 69 64 74 68 02 64 06 48 65 69 67 68 74 02 32 06 43 75 72 73 6F 72 07 09 63 72 53 69 "
    "7A 65 41 6C 6C 07 43 61 70 74 69 6F 6E 06 07 50 72 6F 63 65 73 73 0D 44 65 66 61 75 6C 74 "
    "48 65 69 67 68 74 02 32 0C 44 65 66 61 75 6C 74 57 69 64 74 68 02 32 0B 48 61 76 65 46 6F "
    "63 75 73 65 64 08 09 4C 69 6E 65 43 6F 6C 6F 72 07 07 63 6C 42 6C 61 63 6B 09 46 69 6C 6C "
    "43 6F 6C 6F 72 07 07 63 6C 57 68 69 74 65 09 4C 69 6E 65 53 74 79 6C 65 07 07 70 73 53 6F "
    "6C 69 64 09 46 69 6C 6C 53 74 79 6C 65 07 07 62 73 53 6F 6C 69 64 09 4C 69 6E 65 57 69 64 "
    "74 68 02 02 0C 46 6F 6E 74 2E 43 68 61 72 73 65 74 07 0F 44 45 46 41 55 4C 54 5F 43 48 41 "
    "52 53 45 54 0A 46 6F 6E 74 2E 43 6F 6C 6F 72 07 0C 63 6C 57 69 6E 64 6F 77 54 65 78 74 0B "
    "46 6F 6E 74 2E 48 65 69 67 68 74 02 F5 09 46 6F 6E 74 2E 4E 61 6D 65 06 0D 4D 53 20 53 61 "
    "6E 73 20 53 65 72 69 66 0A 46 6F 6E 74 2E 53 74 79 6C 65 0B 00 00 00";

template <typename T>
void StyleAsDocumentDraws(T& f) {
  f.ApplyBounds(120, 200, 100, 50);
  f.SetLineColor(clBlack);
  f.SetFillColor(clWhite);
}

TEST(FigureRecord, ProcessBoxIsWrittenAsExactly323Bytes) {
  TKDProcess process;
  StyleAsDocumentDraws(process);
  process.SetCaption("Process");
  std::vector<uint8_t> bytes = RecordOf(process);
  EXPECT_EQ(bytes.size(), 323u);
  EXPECT_EQ(ToHex(bytes), ToHex(Hex(kProcessRecord)));
}

TEST(FigureRecord, ArrowAddsOnlyItsPositionWhenTheOtherSettingsAreDefaults) {
  TKDArrow arrow;
  StyleAsDocumentDraws(arrow);
  arrow.SetCaption("Process");
  arrow.SetArrowThicknessRate(3);
  arrow.SetArrowPosition(apLeft);
  std::vector<uint8_t> bytes = RecordOf(arrow);
  std::vector<uint8_t> expected = Hex(kProcessRecord);
  // Class name TKDArrow instead of TKDProcess, and one more entry before the end markers.
  std::vector<uint8_t> head = Hex("54 50 46 30 08 54 4B 44 41 72 72 6F 77");
  expected.erase(expected.begin(), expected.begin() + 15);
  expected.insert(expected.begin(), head.begin(), head.end());
  std::vector<uint8_t> entry = Hex("0D 41 72 72 6F 77 50 6F 73 69 74 69 6F 6E 07 06 61 70 4C 65 66 74");
  expected.insert(expected.end() - 2, entry.begin(), entry.end());
  EXPECT_EQ(ToHex(bytes), ToHex(expected));
}

TEST(FigureRecord, NewArrowWritesItsThicknessRate) {
  TKDArrow arrow;
  std::vector<uint8_t> bytes = RecordOf(arrow);
  std::vector<uint8_t> entry = Hex("12 41 72 72 6F 77 54 68 69 63 6B 6E 65 73 73 52 61 74 65 02 0A");
  EXPECT_NE(std::search(bytes.begin(), bytes.end(), entry.begin(), entry.end()), bytes.end());
  EXPECT_EQ(ReadOne(bytes)->Properties().size(), arrow.Properties().size());
  EXPECT_EQ(static_cast<TKDArrow&>(*ReadOne(bytes)).ArrowThicknessRate(), 10);
}

TEST(FigureRecord, LeftOutEntriesReadBackAsTheirStoredDefaults) {
  TKDArrow arrow;
  arrow.SetArrowThicknessRate(3);
  arrow.SetCaption("");
  auto back = ReadOne(RecordOf(arrow));
  auto& a = static_cast<TKDArrow&>(*back);
  EXPECT_EQ(a.ArrowThicknessRate(), 3);
  EXPECT_EQ(a.Caption(), "");  // not the new figure's "KDLabel"
  EXPECT_EQ(a.ArrowDirection(), adTopToBottom);
}

struct ClassCase {
  const char* name;
  std::function<TCustomKDTool*()> make;
};

class EveryClass : public ::testing::TestWithParam<ClassCase> {};

TEST_P(EveryClass, RoundTripsEveryStoredPropertyChangedFromItsDefault) {
  std::unique_ptr<TCustomKDTool> f(GetParam().make());
  f->ApplyBounds(-40, 70000, 321, 123);
  f->SetIndex("idx");
  f->SetCaption("\xE5\xBC\x80\xE5\xA7\x8B and more");
  f->SetDefaultHeight(7);
  f->SetDefaultWidth(-9);
  f->SetHaveFocused(true);
  f->SetLineColor(RGB(1, 2, 3));
  f->SetFillColor(clInfoBk);
  f->SetLineStyle(psDashDotDot);
  f->SetFillStyle(bsDiagCross);
  f->SetLineWidth(40000);
  TFontDesc font;
  font.name = "\xE6\x96\xB0\xE5\xAE\x8B\xE4\xBD\x93-18030";
  font.height = 24;
  font.style = fsBold | fsStrikeOut;
  font.color = clRed;
  font.charset = 163;
  font.pitch = fpFixed;
  f->SetFont(font);
  f->SetTag(5);
  f->SetHint("tip");
  f->SetHelpType(htKeyword);
  f->SetHelpKeyword("kw");
  f->SetHelpContext(17);
  f->SetCursorValue(-21);
  if (auto* a = dynamic_cast<TKDArrow*>(f.get())) {
    a->SetArrowThicknessRate(65535);
    a->SetArrowHeadLengthRate(40000);
    a->SetArrowPosition(apBoth);
    a->SetArrowDirection(adRightToRight);
  }
  std::vector<uint8_t> bytes = RecordOf(*f);
  auto back = ReadOne(bytes);
  ASSERT_TRUE(back);
  EXPECT_STREQ(back->ClassName(), GetParam().name);
  EXPECT_EQ(RecordOf(*back), bytes);
  EXPECT_EQ(back->Left(), -40);
  EXPECT_EQ(back->Top(), 70000);
  EXPECT_EQ(back->Width(), 321);
  EXPECT_EQ(back->Caption(), f->Caption());
  EXPECT_EQ(back->Font(), font);
  EXPECT_TRUE(back->HaveFocused());
  EXPECT_EQ(back->LineWidth(), 40000);
  EXPECT_EQ(back->CursorValue(), -21);
  EXPECT_EQ(back->HelpType(), htKeyword);
  if (auto* a = dynamic_cast<TKDArrow*>(back.get())) {
    EXPECT_EQ(a->ArrowThicknessRate(), 65535);
    EXPECT_EQ(a->ArrowHeadLengthRate(), 40000);
    EXPECT_EQ(a->ArrowPosition(), apBoth);
    EXPECT_EQ(a->ArrowDirection(), adRightToRight);
  }
  EXPECT_FALSE(back->CopyMark);
  EXPECT_EQ(back->DocumentWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Nine, EveryClass,
    ::testing::Values(ClassCase{"TKDBegin", [] { return new TKDBegin; }},
                      ClassCase{"TKDEnd", [] { return new TKDEnd; }},
                      ClassCase{"TKDProcess", [] { return new TKDProcess; }},
                      ClassCase{"TKDEllipse", [] { return new TKDEllipse; }},
                      ClassCase{"TKDRectangle", [] { return new TKDRectangle; }},
                      ClassCase{"TKDArrow", [] { return new TKDArrow; }},
                      ClassCase{"TKDLabel", [] { return new TKDLabel; }},
                      ClassCase{"TKDDiamond", [] { return new TKDDiamond; }},
                      ClassCase{"TKDLine", [] { return new TKDLine; }}),
    [](const ::testing::TestParamInfo<ClassCase>& info) { return std::string(info.param.name); });

// A line's course rides in the Tag entry, which comes right after the empty object name; a falling
// line has none, so its record is the one every reader has always known.
struct CourseCase {
  TArrowDirection orientation;
  const char* tagEntry;  // bytes after the object name, or empty for none
};

class LineCourse : public ::testing::TestWithParam<CourseCase> {};

TEST_P(LineCourse, TravelsInTheTagAndReadsBack) {
  TKDLine line;
  line.ApplyBounds(0, 0, 60, 40);
  line.SetOrientation(GetParam().orientation);
  const std::vector<uint8_t> bytes = RecordOf(line);
  // "TPF0", class name "TKDLine", empty object name: 4 + 8 + 1 bytes.
  const std::vector<uint8_t> afterName(bytes.begin() + 13, bytes.begin() + 19);
  const std::vector<uint8_t> tag = Hex(GetParam().tagEntry);
  if (tag.empty()) EXPECT_EQ(ToHex(afterName).substr(0, 14), "04 4C 65 66 74");  // Left comes first
  else EXPECT_EQ(ToHex(afterName), ToHex(tag));
  auto back = ReadOne(bytes);
  EXPECT_EQ(static_cast<TKDLine&>(*back).Orientation(), GetParam().orientation);
  EXPECT_EQ(ToHex(RecordOf(*back)), ToHex(bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Courses, LineCourse,
    ::testing::Values(CourseCase{adTopToBottom, ""}, CourseCase{adTopToTop, "03 54 61 67 02 01"},
                      CourseCase{adBottomToTop, "03 54 61 67 02 03"},
                      CourseCase{adBottomToBottom, "03 54 61 67 02 04"},
                      CourseCase{adLeftToLeft, "03 54 61 67 02 05"},
                      CourseCase{adRightToRight, "03 54 61 67 02 06"}));

TEST(FigureRecord, LineWithAnotherWritersTagFallsAndKeepsTheTag) {
  TKDLine line;
  line.ApplyBounds(0, 0, 60, 40);
  line.SetTag(77);
  auto back = ReadOne(RecordOf(line));
  EXPECT_EQ(static_cast<TKDLine&>(*back).Orientation(), adTopToBottom);
  EXPECT_EQ(back->Tag(), 77);
}

TEST(FigureRecord, TagOfOtherFiguresIsJustAnInteger) {
  TKDRectangle box;
  box.SetTag(1);
  auto back = ReadOne(RecordOf(box));
  EXPECT_EQ(back->Tag(), 1);
}

TEST(FigureRecord, ErrorTextNamesTheClassAsRegistered) {
  auto bytes = Hex("54 50 46 30 08 74 6B 64 62 65 67 69 6E 00 06 43 6F 6C 6F 75 72 02 01 00 00");
  try {
    ReadOne(bytes);
    FAIL();
  } catch (const EStreamError& e) {
    EXPECT_STREQ(e.what(), "Error reading TKDBegin.Colour: Property Colour does not exist");
  }
}

TEST(FigureRecord, FontSizeEntrySetsTheHeight) {
  TKDLabel label;
  auto bytes = RecordOf(label);
  // Insert "Font.Size" 12 before the end markers.
  auto entry = Hex("09 46 6F 6E 74 2E 53 69 7A 65 02 0C");
  bytes.insert(bytes.end() - 2, entry.begin(), entry.end());
  EXPECT_EQ(ReadOne(bytes)->Font().height, -16);
}

TEST(SampleFile, ReadsThirteenFiguresAndWritesThemBackByteForByte) {
  std::vector<uint8_t> file = testsupport::ReadFile(testsupport::DataPath("order-flow.kdl"));
  ASSERT_FALSE(file.empty());
  RegisterFigureClasses();
  MemoryStream in(file);
  std::vector<std::unique_ptr<Persistent>> figures;
  while (in.Position() < in.Size()) {
    TReader reader(in);
    figures.push_back(reader.ReadShape());
  }
  ASSERT_EQ(figures.size(), 13u);
  std::set<std::string> classes;
  MemoryStream out;
  {
    TWriter writer(out);
    for (auto& f : figures) {
      classes.insert(f->ClassName());
      writer.WriteShape(*f);
    }
  }
  EXPECT_EQ(classes.size(), 9u);
  EXPECT_EQ(ToHex(out.Data()), ToHex(file));
}

}  // namespace
