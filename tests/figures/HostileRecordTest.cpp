// Records put together entry by entry as another writer (or an attacker) might: the values read,
// or the reader's message, worked out by hand; and the figure classes read each one alike.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "FigureRecord.h"
#include "RecordPaths.h"
#include "ValueTag.h"

using figures::Figure;
using figures::FigureKind;

namespace {

class Rec {
 public:
  explicit Rec(const char* className, const char* objectName = "") {
    stream_.Write("TPF0", 4);
    writer_ = std::make_unique<TWriter>(stream_);
    writer_->WriteShortString(className);
    writer_->WriteShortString(objectName);
  }
  Rec&& Name(const char* name) && {
    writer_->WriteShortString(name);
    return std::move(*this);
  }
  Rec&& Int(const char* name, int64_t v) && {
    writer_->WriteShortString(name);
    writer_->WriteInteger(v);
    return std::move(*this);
  }
  Rec&& Ident(const char* name, const char* v) && {
    writer_->WriteShortString(name);
    writer_->WriteIdent(v);
    return std::move(*this);
  }
  Rec&& Text(const char* name, const char* v) && {
    writer_->WriteShortString(name);
    writer_->WriteText(v);
    return std::move(*this);
  }
  Rec&& Set(const char* name, std::initializer_list<const char*> members) && {
    writer_->WriteShortString(name);
    writer_->WriteTag(ValueTag::TagSet);
    for (const char* m : members) writer_->WriteShortString(m);
    writer_->WriteShortString("");
    return std::move(*this);
  }
  Rec&& Bytes(std::initializer_list<uint8_t> raw) && {
    writer_->FlushBuffer();
    for (uint8_t b : raw) stream_.Write(&b, 1);
    return std::move(*this);
  }
  // The end markers of the properties and of the contained objects, unless cut short.
  std::vector<uint8_t> End(bool terminated = true) && {
    if (terminated) std::move(*this).Bytes({0, 0});
    writer_->FlushBuffer();
    return stream_.Data();
  }

 private:
  MemoryStream stream_;
  std::unique_ptr<TWriter> writer_;
};

struct HostileCase {
  const char* name;
  std::vector<uint8_t> bytes;
  const char* error;  // nullptr: the record reads
  std::function<void(const Figure&)> check = nullptr;
};

std::vector<HostileCase> Cases() {
  return {
      {"UnknownClass", Rec("TKDFoo").End(), "Class TKDFoo not found"},
      {"BadSignature", [] { auto b = Rec("TKDBegin").End(); b[2] = 'X'; return b; }(), "Invalid stream format"},
      {"ValueMissing", Rec("TKDBegin").Name("Left").End(false), "Error reading TKDBegin.Left: Stream read error"},
      {"BadHeaderName", Rec("TKDBegin", "1x").End(), "''1x'' is not a valid component name"},
      {"BadNameEntry", Rec("TKDEnd").Text("Name", "a b").End(),
       "Error reading TKDEnd.Name: ''a b'' is not a valid component name"},
      {"UnknownProperty", Rec("TKDLine").Int("Bogus", 1).End(),
       "Error reading TKDLine.Bogus: Property Bogus does not exist"},
      {"NamedRecord", Rec("TKDEnd", "Start1").Int("Bogus", 1).End(),
       "Error reading Start1.Bogus: Property Bogus does not exist"},
      {"ArrowEntryOnALine", Rec("TKDLine").Ident("ArrowPosition", "apLeft").End(),
       "Error reading TKDLine.ArrowPosition: Property ArrowPosition does not exist"},
      {"EventNamed", Rec("TKDEnd").Ident("OnClick", "Handler").End(),
       "Error reading TKDEnd.OnClick: Invalid property value"},
      {"NoSuchObject", Rec("TKDEnd").Int("Bogus.X", 1).End(), "Error reading TKDEnd.Bogus.X: Invalid property path"},
      {"NoSuchFontEntry", Rec("TKDEnd").Int("Font.Bogus", 1).End(),
       "Error reading TKDEnd.Font.Bogus: Property Bogus does not exist"},
      {"UnknownEnumName", Rec("TKDArrow").Ident("ArrowPosition", "apNowhere").End(),
       "Error reading TKDArrow.ArrowPosition: Invalid property value"},
      {"TextLongerThanTheData", Rec("TKDLabel").Name("Caption").Bytes({12, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}).End(),
       "Error reading TKDLabel.Caption: Stream read error"},
      {"ContainedObject", Rec("TKDLabel").Bytes({0, 5}).End(false), "Invalid stream format"},
      {"LineCourseInTheTag", Rec("TKDLine").Int("Tag", 3).End(), nullptr,
       [](const Figure& f) {
         EXPECT_EQ(f.direction, adBottomToTop);
         EXPECT_EQ(f.legacy.tag, 0);
       }},
      {"OtherTagOnALine", Rec("TKDLine").Int("Tag", 99).End(), nullptr,
       [](const Figure& f) {
         EXPECT_EQ(f.direction, adTopToBottom);
         EXPECT_EQ(f.legacy.tag, 99);
       }},
      {"TagOnAnArrow", Rec("TKDArrow").Int("Tag", 3).End(), nullptr,
       [](const Figure& f) {
         EXPECT_EQ(f.direction, adTopToBottom);
         EXPECT_EQ(f.legacy.tag, 3);
       }},
      {"ArrowRates", Rec("TKDArrow").Int("ArrowThicknessRate", 0).Int("ArrowHeadLengthRate", 70000).End(), nullptr,
       [](const Figure& f) {
         EXPECT_EQ(f.arrow.thicknessRate, 3);      // the stored default; 0 is ignored
         EXPECT_EQ(f.arrow.headLengthRate, 4464);  // 70000 cut to 16 bits
         EXPECT_EQ(f.arrow.position, apRight);
       }},
      {"HugeAndNegativeBox",
       Rec("TKDRectangle").Int("Left", 5000000).Int("Top", -5000000).Int("Width", -5).Int("Height", 100000).End(),
       nullptr, [](const Figure& f) { EXPECT_EQ(f.box, QRect(1048576, -1048576, 0, 32768)); }},
      {"FontSize", Rec("TKDLabel").Int("Font.Size", 12).End(), nullptr,
       [](const Figure& f) { EXPECT_EQ(f.style.font.height, -16); }},
      {"FontSizeTooLarge", Rec("TKDLabel").Int("Font.Size", 2000000000).End(), nullptr,
       [](const Figure& f) { EXPECT_EQ(f.style.font.height, 1); }},
      {"FontStyleSet", Rec("TKDLabel").Set("Font.Style", {"fsBold", "fsBogus", "fsStrikeOut"}).End(), nullptr,
       [](const Figure& f) { EXPECT_EQ(f.style.font.style, fsBold | fsStrikeOut); }},
      {"ClassNameInAnyCase", Rec("tkdellipse").End(), nullptr,
       [](const Figure& f) {
         EXPECT_EQ(f.kind, FigureKind::Ellipse);
         // Left out: texts are empty and ordinals take the format's defaults; what is always
         // stored keeps a new figure's value.
         EXPECT_EQ(f.style.caption, "");
         EXPECT_EQ(f.style.font.name, "");
         EXPECT_EQ(f.legacy.cursor, 0);
         EXPECT_EQ(f.legacy.defaultWidth, 50);
         EXPECT_EQ(f.style.lineWidth, 2);
       }},
      {"ControlExtras",
       Rec("TKDDiamond").Ident("IsControl", "True").Name("DesignSize").Bytes({1, 2, 10, 2, 20, 0}).End(), nullptr,
       [](const Figure& f) {
         EXPECT_EQ(f.legacy.isControl, std::optional<bool>(true));
         EXPECT_EQ(f.legacy.designSize, std::optional<QSize>(QSize(10, 20)));
       }},
      {"CursorCutTo16Bits", Rec("TKDBegin").Int("Cursor", 70000).End(), nullptr,
       [](const Figure& f) { EXPECT_EQ(f.legacy.cursor, 4464); }},
      {"NamedValues",
       Rec("TKDProcess", "Box")
           .Ident("Cursor", "crHandPoint")
           .Ident("HaveFocused", "True")
           .Ident("HelpType", "htKeyword")
           .Ident("LineColor", "clRed")
           .Ident("LineStyle", "psInsideFrame")
           .Ident("FillStyle", "bsDiagCross")
           .Ident("OnClick", "nil")
           .Text("Name", "Alpha")
           .Text("Caption", "\xE6\x97\xA5\xE6\x9C\xAC")
           .End(),
       nullptr,
       [](const Figure& f) {
         EXPECT_EQ(f.legacy.cursor, -21);
         EXPECT_TRUE(f.legacy.haveFocused);
         EXPECT_EQ(f.legacy.helpType, htKeyword);
         EXPECT_EQ(f.style.lineColor, 0x0000FF);
         EXPECT_EQ(f.style.lineStyle, psInsideFrame);
         EXPECT_EQ(f.style.fillStyle, bsDiagCross);
         EXPECT_EQ(f.legacy.objectName, "Alpha");
         EXPECT_EQ(f.style.caption, "\xE6\x97\xA5\xE6\x9C\xAC");
       }},
  };
}

TEST(HostileRecord, ReadsAsWorkedOutAndAsTheFigureClassesRead) {
  for (const HostileCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const recordpaths::Outcome made = recordpaths::NewPath(c.bytes);
    EXPECT_EQ(made, recordpaths::OldPath(c.bytes));
    if (c.error) {
      EXPECT_EQ(made.error, c.error);
      EXPECT_EQ(made.figures, 0u);
      continue;
    }
    EXPECT_EQ(made.error, "");
    if (c.check && made.error.empty()) c.check(figures::ReadFigure(c.bytes));
  }
}

}  // namespace
