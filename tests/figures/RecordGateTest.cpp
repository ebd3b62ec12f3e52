// Every diagram file of the repository, and damaged copies of the fuzz seeds, read and written
// through figure values give exactly what the figure classes give.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <map>

#include "FigureRecord.h"
#include "KDTools.h"
#include "RecordPaths.h"
#include "ShapeClassRegistry.h"
#include "TestSupport.h"

using recordpaths::NewPath;
using recordpaths::OldPath;
using recordpaths::Outcome;

namespace {

QStringList DiagramFiles() {
  QStringList files;
  for (const char* folder : {"tests/data", "tests/semantics/data", "fuzz/corpus", "fuzz/regressions"}) {
    QDir dir(QStringLiteral(KEDRIN_SOURCE_DIR "/") + folder);
    for (const QFileInfo& f : dir.entryInfoList({"*.kdl"}, QDir::Files, QDir::Name)) files << f.filePath();
  }
  return files;
}

// Counted in the files (one signature per record) and from what their notes say of them. Of the
// two regressions one is a damaged record no reader reads, the other a whole arrow whose heads lie
// millions of pixels beyond its box.
const std::map<QString, std::pair<size_t, bool>> kKnown = {
    {"tests/data/order-flow.kdl", {13, true}},      {"tests/semantics/data/support-ticket.kdl", {50, true}},
    {"fuzz/corpus/order-flow.kdl", {13, true}},     {"fuzz/corpus/all.kdl", {9, true}},
    {"fuzz/corpus/TKDArrow.kdl", {1, true}},        {"fuzz/corpus/TKDBegin.kdl", {1, true}},
    {"fuzz/corpus/TKDDiamond.kdl", {1, true}},      {"fuzz/corpus/TKDEllipse.kdl", {1, true}},
    {"fuzz/corpus/TKDEnd.kdl", {1, true}},          {"fuzz/corpus/TKDLabel.kdl", {1, true}},
    {"fuzz/corpus/TKDLine.kdl", {1, true}},         {"fuzz/corpus/TKDProcess.kdl", {1, true}},
    {"fuzz/corpus/TKDRectangle.kdl", {1, true}},    {"fuzz/regressions/arrow-head-rate.kdl", {0, false}},
    {"fuzz/regressions/arrow-heads-far-beyond-the-box.kdl", {1, true}},
};

TEST(RecordGate, EveryDiagramFileRewritesByteForByteAsTheFigureClassesDo) {
  const QStringList files = DiagramFiles();
  ASSERT_GE(files.size(), static_cast<qsizetype>(kKnown.size()));
  size_t known = 0;
  for (const QString& path : files) {
    SCOPED_TRACE(path.toStdString());
    const std::vector<uint8_t> bytes = testsupport::ReadFile(path);
    const Outcome made = NewPath(bytes);
    EXPECT_EQ(made, OldPath(bytes));
    const QString name = QDir(KEDRIN_SOURCE_DIR).relativeFilePath(path);
    if (auto it = kKnown.find(name); it != kKnown.end()) {
      ++known;
      EXPECT_EQ(made.figures, it->second.first);
      EXPECT_EQ(made.error.empty(), it->second.second) << made.error;
    }
    if (made.error.empty()) {
      EXPECT_EQ(testsupport::ToHex(made.rewritten), testsupport::ToHex(bytes));
    }
  }
  EXPECT_EQ(known, kKnown.size());
}

// Every way of cutting a seed short, and every byte of it replaced by three others: the record
// fails with the same message, or reads as the same figure.
TEST(RecordGate, DamagedSeedsFailOrReadAsTheFigureClassesDo) {
  int failed = 0, read = 0;
  for (const char* kind : {"TKDArrow", "TKDBegin", "TKDDiamond", "TKDEllipse", "TKDEnd", "TKDLabel", "TKDLine",
                           "TKDProcess", "TKDRectangle"}) {
    const std::vector<uint8_t> seed =
        testsupport::ReadFile(QStringLiteral(KEDRIN_SOURCE_DIR "/fuzz/corpus/%1.kdl").arg(kind));
    ASSERT_FALSE(seed.empty()) << kind;
    auto same = [&](const std::vector<uint8_t>& bytes, const char* what, size_t at) {
      const Outcome made = NewPath(bytes), old = OldPath(bytes);
      (made.error.empty() ? read : failed)++;
      if (made == old) return true;
      ADD_FAILURE() << kind << " " << what << " at " << at << ": " << made.error << " / " << old.error;
      return false;
    };
    for (size_t n = 0; n < seed.size(); ++n)
      if (!same(std::vector<uint8_t>(seed.begin(), seed.begin() + static_cast<long>(n)), "cut", n)) break;
    for (size_t i = 0; i < seed.size(); ++i)
      for (uint8_t b : {uint8_t{0x00}, uint8_t{0xFF}, static_cast<uint8_t>(seed[i] ^ 0x01)}) {
        std::vector<uint8_t> bytes = seed;
        bytes[i] = b;
        if (!same(bytes, "byte", i)) return;
      }
  }
  // Both outcomes are well represented.
  EXPECT_GT(failed, 1000);
  EXPECT_GT(read, 1000);
}

// A value made for a new figure is written as the editor writes a figure it has just made.
TEST(RecordGate, NewFiguresAreWrittenAsNewFigureObjects) {
  RegisterFigureClasses();
  for (figures::FigureKind kind : figures::kAllKinds) {
    SCOPED_TRACE(figures::ClassNameOf(kind));
    std::unique_ptr<Persistent> object = ShapeClassRegistry::Find(figures::ClassNameOf(kind))->factory();
    auto* old = dynamic_cast<TCustomKDTool*>(object.get());
    ASSERT_NE(old, nullptr);
    old->ApplyBounds(10, -20, 30, 40);
    MemoryStream stream;
    {
      TWriter writer(stream);
      writer.WriteShape(*old);
    }
    EXPECT_EQ(testsupport::ToHex(figures::WriteFigure(figures::NewFigure(kind, QRect(10, -20, 30, 40)))),
              testsupport::ToHex(stream.Data()));
  }
}

}  // namespace
