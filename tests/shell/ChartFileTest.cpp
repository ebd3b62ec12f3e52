// A chart whose texts were typed in: its saved file is a plain sequence of the format's records,
// each readable on its own by any reader (as the sample file from another encoder is), and holds
// the typed texts as labels laid on the shapes and beside the arrows.
#include <QTemporaryDir>

#include "ByteStream.h"
#include "ChartFixture.h"
#include "InPlaceEditor.h"
#include "Reader.h"
#include "Writer.h"

namespace {

using ChartFile = ChartFixture;

struct Record {
  std::string className, caption;
  QRect bounds;
  TBrushStyle fill;
};

// Reads the file record by record, a reader of its own for each, as the sample's test does.
std::vector<Record> ReadRecords(const std::vector<uint8_t>& file, std::vector<uint8_t>& rewritten) {
  std::vector<Record> records;
  MemoryStream in(file);
  MemoryStream out;
  while (in.Position() < in.Size()) {
    const size_t start = in.Position();
    // Every record opens with the format's signature.
    EXPECT_EQ(std::string(file.begin() + start, file.begin() + start + 4), "TPF0") << "record at " << start;
    std::unique_ptr<Persistent> p;
    {
      TReader reader(in);
      p = reader.ReadShape();
    }
    auto* f = dynamic_cast<TCustomKDTool*>(p.get());
    if (!f) {
      ADD_FAILURE() << "not a figure at " << start;
      break;
    }
    records.push_back({f->ClassName(), f->Caption(), f->BoundsRect(), f->FillStyle()});
    TWriter writer(out);
    writer.WriteShape(*f);
  }
  rewritten = out.Data();
  return records;
}

TEST_F(ChartFile, TypedTextsAreRecordsEveryReaderReads) {
  // The diamond's text and the arrow B to C's label, typed in.
  DoubleClick(C->geometry().center());
  ASSERT_TRUE(Typing().IsOpen());
  QTest::keyClicks(Typing().Editor(), QStringLiteral("Paid?"));
  QTest::keyClick(Typing().Editor(), Qt::Key_Return);
  DoubleClick({310, 275});
  ASSERT_TRUE(Typing().IsOpen());
  QTest::keyClicks(Typing().Editor(), QStringLiteral("no"));
  QTest::keyClick(Typing().Editor(), Qt::Key_Return);
  ASSERT_EQ(doc->Figures().size(), 11u);

  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("chart.kdl"));
  ASSERT_TRUE(doc->SaveToFile(name));
  const std::vector<uint8_t> file = testsupport::ReadFile(name);
  std::vector<uint8_t> rewritten;
  const std::vector<Record> records = ReadRecords(file, rewritten);
  ASSERT_EQ(records.size(), 11u);
  // Nothing beyond the records: written back figure by figure, the same bytes.
  EXPECT_EQ(rewritten, file);

  // The typed ones last, in the order typed: the diamond's text in its inner box (432, 259,
  // 56 x 32), one line of 13 high about its middle, (32 - 13) / 2 = 9 down; "no" above the arrow's middle (310, 275).
  const Record& paid = records[9];
  EXPECT_EQ(paid.className, "TKDLabel");
  EXPECT_EQ(paid.caption, "Paid?");
  EXPECT_EQ(paid.bounds, QRect(432, 268, 56, 13));
  EXPECT_EQ(paid.fill, bsClear) << "the diamond's fill shows through";
  const Record& no = records[10];
  EXPECT_EQ(no.className, "TKDLabel");
  EXPECT_EQ(no.caption, "no");
  EXPECT_EQ(no.bounds, QRect(303, 256, 14, 13));
  EXPECT_EQ(no.fill, bsClear);
  // What was there keeps its records as they were.
  EXPECT_EQ(records[0].className, "TKDProcess");
  EXPECT_EQ(records[1].caption, "Submit");
  EXPECT_EQ(records[1].fill, textA->FillStyle());
}

}  // namespace
