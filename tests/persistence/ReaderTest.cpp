#include <gtest/gtest.h>

#include "Bytes.h"
#include "FakeShape.h"
#include "Reader.h"
#include "StreamError.h"

namespace {

class ReaderTest : public ::testing::Test {
 protected:
  void SetUp() override { FakeShape::Register(); }

  std::unique_ptr<FakeShape> Read(const std::vector<uint8_t>& bytes, int64_t* endPos = nullptr) {
    MemoryStream stream(bytes);
    std::unique_ptr<Persistent> obj;
    {
      TReader reader(stream);
      obj = reader.ReadShape();
    }
    if (endPos) *endPos = stream.Position();
    return std::unique_ptr<FakeShape>(static_cast<FakeShape*>(obj.release()));
  }

  std::string Failure(const std::vector<uint8_t>& bytes) {
    try {
      Read(bytes);
    } catch (const EStreamError& e) {
      return e.what();
    }
    return "(no failure)";
  }

  static std::vector<uint8_t> Record(std::initializer_list<std::vector<uint8_t>> entries,
                                     const std::string& cls = "TFakeShape") {
    std::vector<uint8_t> r = Concat({Hex("54 50 46 30"), Short(cls), Hex("00")});
    for (const auto& e : entries) r.insert(r.end(), e.begin(), e.end());
    r.push_back(0);
    r.push_back(0);
    return r;
  }
  static std::vector<uint8_t> Entry(const std::string& name, const std::string& value) {
    return Concat({Short(name), Hex(value)});
  }
};

TEST_F(ReaderTest, RoundTripOfEveryKind) {
  FakeShape s;
  s.left = -70000;
  s.caption = "AB\xE5\xBC\x80";
  s.color = 0x030201;
  s.charset = 134;
  s.cursor = -21;
  s.style = 6;
  s.flag = true;
  s.styles = 0xF;
  s.rate = 40000;
  s.inner.height = 300;
  s.inner.name = "\xE5\xBC\x80\xE5\xA7\x8B";
  auto bytes = Written([&](TWriter& w) { w.WriteShape(s); });
  int64_t end = 0;
  auto r = Read(bytes, &end);
  EXPECT_EQ(end, static_cast<int64_t>(bytes.size()));
  EXPECT_EQ(r->left, -70000);
  EXPECT_EQ(r->caption, s.caption);
  EXPECT_EQ(r->color, 0x030201);
  EXPECT_EQ(r->charset, 134);
  EXPECT_EQ(r->cursor, -21);
  EXPECT_EQ(r->style, 6);
  EXPECT_TRUE(r->flag);
  EXPECT_EQ(r->styles, 0xF);
  EXPECT_EQ(r->rate, 40000);
  EXPECT_EQ(r->inner.height, 300);
  EXPECT_EQ(r->inner.name, s.inner.name);
  EXPECT_TRUE(r->loaded);
}

TEST_F(ReaderTest, LeftOutEntriesTakeTheirStoredDefaults) {
  // A new FakeShape starts with rate 7 and a caption; a record without them means 3 and empty.
  auto r = Read(Record({}));
  EXPECT_EQ(r->rate, 3);
  EXPECT_EQ(r->cursor, 0);
  EXPECT_EQ(r->caption, "");
  EXPECT_EQ(r->inner.name, "");
}

TEST_F(ReaderTest, NamesAreMatchedWithoutRegardToCase) {
  auto r = Read(Record({Entry("LEFT", "02 05"), Entry("style", "07 06 50 53 44 41 53 48"),
                        Entry("inner.height", "02 09"), Entry("color", "07 05 43 4C 52 45 44")},
                       "tfakeshape"));
  EXPECT_EQ(r->left, 5);
  EXPECT_EQ(r->style, 1);  // PSDASH
  EXPECT_EQ(r->inner.height, 9);
  EXPECT_EQ(r->color, 0x0000FF);
}

TEST_F(ReaderTest, ValuesAreCutToThePropertyWidth) {
  auto r = Read(Record({Entry("Rate", "04 41 9C 01 00"), Entry("Charset", "03 86 01"),
                        Entry("Cursor", "04 EA FF 01 00")}));
  EXPECT_EQ(r->rate, 0x9C41);   // low 16 bits
  EXPECT_EQ(r->charset, 0x86);  // one byte
  EXPECT_EQ(r->cursor, -22);    // signed 16 bits
}

TEST_F(ReaderTest, AcceptsEveryTextFormAndEveryIntegerWidth) {
  for (const char* text : {"06 02 41 42", "0C 02 00 00 00 41 42", "12 02 00 00 00 41 00 42 00",
                           "14 02 00 00 00 41 42"}) {
    auto r = Read(Record({Entry("Caption", text)}));
    EXPECT_EQ(r->caption, "AB") << text;
  }
  for (const char* v : {"02 FE", "03 FE FF", "04 FE FF FF FF"}) {
    EXPECT_EQ(Read(Record({Entry("Left", v)}))->left, -2) << v;
  }
}

TEST_F(ReaderTest, BareTagsStandForNamesAndSetsIgnoreStrangers) {
  auto r = Read(Record({Entry("Flag", "09"), Entry("Styles", "0B 06 66 73 42 6F 6C 64 03 66 6F 6F 00")}));
  EXPECT_TRUE(r->flag);
  EXPECT_EQ(r->styles, 1);
}

TEST_F(ReaderTest, FlagsByteAndControlExtrasAreAccepted) {
  auto bytes = Concat({Hex("54 50 46 30 F2 02 05"), Short("TFakeShape"), Hex("00"),
                       Entry("IsControl", "09"), Entry("DesignSize", "01 02 10 03 00 01 00"),
                       Entry("OnClick", "0D"), Hex("00 00")});
  auto r = Read(bytes);
  EXPECT_TRUE(r->isControl);
  EXPECT_EQ(r->designW, 16);
  EXPECT_EQ(r->designH, 256);
  EXPECT_FALSE(r->eventSet);
}

TEST_F(ReaderTest, ObjectNameIsKept) {
  auto bytes = Concat({Hex("54 50 46 30"), Short("TFakeShape"), Short("Box_1"), Hex("00 00")});
  EXPECT_EQ(Read(bytes)->objectName, "Box_1");
}

TEST_F(ReaderTest, StreamIsLeftJustAfterTheRecordWhateverWasReadAhead) {
  auto one = Record({Entry("Left", "02 01")});
  auto two = Record({Entry("Left", "02 02")});
  std::vector<uint8_t> both = Concat({one, two});
  MemoryStream stream(both);
  {
    TReader reader(stream, 4096);
    reader.ReadShape();
  }
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(one.size()));
  std::unique_ptr<Persistent> second;
  {
    TReader reader(stream);
    second = reader.ReadShape();
  }
  EXPECT_EQ(static_cast<FakeShape&>(*second).left, 2);
  EXPECT_EQ(stream.Position(), stream.Size());
}

TEST_F(ReaderTest, SmallBufferReadsTheSame) {
  FakeShape s;
  s.caption = std::string(1000, 'z');
  s.left = 99;
  auto bytes = Written([&](TWriter& w) { w.WriteShape(s); });
  MemoryStream stream(bytes);
  TReader reader(stream, 16);
  auto r = reader.ReadShape();
  EXPECT_EQ(static_cast<FakeShape&>(*r).caption, s.caption);
}

struct FailureCase {
  const char* what;
  std::vector<uint8_t> bytes;
  std::string message;
};

TEST_F(ReaderTest, FailuresCarryTheirExactMessages) {
  const std::vector<FailureCase> cases = {
      {"no signature", Hex("54 50 46 31 00"), "Invalid stream format"},
      {"unknown class", Concat({Hex("54 50 46 30"), Short("TKDCircle"), Hex("00 00 00")}),
       "Class TKDCircle not found"},
      {"bad object name", Concat({Hex("54 50 46 30"), Short("TFakeShape"), Short("1st"), Hex("00 00")}),
       "''1st'' is not a valid component name"},
      {"missing property", Record({Entry("Colour", "02 01")}),
       "Error reading TFakeShape.Colour: Property Colour does not exist"},
      {"bad path", Record({Entry("Left.X", "02 01")}),
       "Error reading TFakeShape.Left.X: Invalid property path"},
      {"wrong tag for integer", Record({Entry("Left", "06 01 41")}),
       "Error reading TFakeShape.Left: Invalid property value"},
      {"unknown identifier", Record({Entry("Color", "07 05 63 6C 46 6F 6F")}),
       "Error reading TFakeShape.Color: Invalid property value"},
      {"identifier for plain integer", Record({Entry("Left", "07 02 63 6C")}),
       "Error reading TFakeShape.Left: Invalid property value"},
      {"unknown enumeration name", Record({Entry("Style", "07 02 70 73")}),
       "Error reading TFakeShape.Style: Invalid property value"},
      {"set without set tag", Record({Entry("Styles", "02 01")}),
       "Error reading TFakeShape.Styles: Invalid property value"},
      {"event named", Record({Entry("OnClick", "07 03 46 6F 6F")}),
       "Error reading TFakeShape.OnClick: Invalid property value"},
      {"unknown tag", Record({Entry("Left", "15")}),
       "Error reading TFakeShape.Left: Invalid property value"},
      {"cut inside an entry", Concat({Hex("54 50 46 30"), Short("TFakeShape"), Hex("00"), Short("Left"), Hex("03 01")}),
       "Error reading TFakeShape.Left: Stream read error"},
      {"cut between entries", Concat({Hex("54 50 46 30"), Short("TFakeShape"), Hex("00"), Entry("Left", "02 01")}),
       "Stream read error"},
      {"cut in the signature", Hex("54 50"), "Stream read error"},
      {"nothing at all", {}, "Stream read error"},
      {"one stray byte", Hex("00"), "Invalid stream format"},
      {"three stray bytes", Hex("54 50 46"), "Stream read error"},
      {"three bytes that start no record", Hex("54 50 58"), "Invalid stream format"},
      {"contained object", Concat({Record({}), Hex("01")}), "(no failure)"},
      {"named object in error text",
       Concat({Hex("54 50 46 30"), Short("TFakeShape"), Short("Box1"), Entry("Zap", "02 01"), Hex("00 00")}),
       "Error reading Box1.Zap: Property Zap does not exist"},
  };
  for (const FailureCase& c : cases) EXPECT_EQ(Failure(c.bytes), c.message) << c.what;
  // A record whose property list is followed by something other than the end of the contained
  // objects is not a figure record.
  auto nested = Concat({Hex("54 50 46 30"), Short("TFakeShape"), Hex("00 00"), Short("TFakeShape")});
  EXPECT_EQ(Failure(nested), "Invalid stream format");
}

TEST_F(ReaderTest, MissingPropertiesAreSkippedWhateverTheirValue) {
  // Every skippable tag, with nested lists and a collection, before the unknown name is reported.
  std::vector<std::string> values = {
      "00", "01 02 05 01 03 01 00 00 00", "05 00 00 00 00 00 00 00 00 00 00", "07 01 41",
      "0A 02 00 00 00 AA BB", "0B 01 41 00", "0E 02 01 01 04 4E 61 6D 65 02 01 00 00 00",
      "0F 00 00 00 00", "10 00 00 00 00 00 00 00 00", "11 00 00 00 00 00 00 00 00",
      "13 00 00 00 00 00 00 00 00", "12 01 00 00 00 41 00", "14 01 00 00 00 41", "08", "09", "0D"};
  for (const std::string& v : values) {
    auto bytes = Record({Entry("Nope", v), Entry("Left", "02 01")});
    EXPECT_EQ(Failure(bytes), "Error reading TFakeShape.Nope: Property Nope does not exist") << v;
  }
}

TEST_F(ReaderTest, HostileLengthsFailWithoutAllocating) {
  // Lengths of 4 GiB - 1 with nothing behind them.
  for (const char* v : {"0C FF FF FF FF", "14 FF FF FF FF", "12 FF FF FF 7F"}) {
    auto inEntry = Record({Entry("Caption", v)});
    inEntry.resize(inEntry.size() - 2);
    std::string msg = Failure(inEntry);
    EXPECT_NE(msg.find("Stream read error"), std::string::npos) << v << ": " << msg;
  }
  for (const char* v : {"0A FF FF FF FF", "0C FF FF FF FF", "12 FF FF FF FF"}) {
    auto skipped = Record({Entry("Nope", v)});
    EXPECT_EQ(Failure(skipped), "Error reading TFakeShape.Nope: Stream read error") << v;
  }
}

TEST_F(ReaderTest, DeeplyNestedListsDoNotExhaustTheStack) {
  std::vector<uint8_t> nested(200000, 0x01);
  auto bytes = Record({Concat({Short("Nope"), nested})});
  std::string msg = Failure(bytes);
  EXPECT_NE(msg.find("Stream read error"), std::string::npos);
}

}  // namespace
