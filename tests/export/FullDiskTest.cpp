// Every writer on a disk that fills up: the old file stays whole, and the message names the file
// and the system's reason.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "DiagramFile.h"
#include "Errors.h"
#include "ExportPicture.h"
#include "FigureSamples.h"
#include "FileFaults.h"
#include "PictureFiles.h"
#include "TestSupport.h"

namespace {

using namespace exporting;

struct Writer {
  const char* name;
  const char* file;
  std::function<void(std::span<const TCustomKDTool* const> figures, const QString& path)> write;
};

void WriteAs(Format format, std::span<const TCustomKDTool* const> figures, const QString& path) {
  WriteExport(PlanExport(figures, {}, {.format = format}), format, path);
}

const Writer kWriters[] = {
    {"Diagram", "d.kdl",
     [](auto figures, const QString& path) {
       diagramfile::Write(path, std::vector<const Persistent*>(figures.begin(), figures.end()));
     }},
    {"SavedBmp", "d.bmp",
     [](auto figures, const QString& path) { picturefiles::WriteBmp(RenderPlan(PlanExport(figures, {}, {})), path); }},
    {"SavedJpeg", "d.jpg",
     [](auto figures, const QString& path) { picturefiles::WriteJpeg(RenderPlan(PlanExport(figures, {}, {})), path); }},
    {"Png", "d.png", [](auto figures, const QString& path) { WriteAs(Format::Png, figures, path); }},
    {"Svg", "d.svg", [](auto figures, const QString& path) { WriteAs(Format::Svg, figures, path); }},
    {"Pdf", "d.pdf", [](auto figures, const QString& path) { WriteAs(Format::Pdf, figures, path); }},
    {"ExportedBmp", "e.bmp", [](auto figures, const QString& path) { WriteAs(Format::Bmp, figures, path); }},
    {"ExportedJpeg", "e.jpg", [](auto figures, const QString& path) { WriteAs(Format::Jpeg, figures, path); }},
};

class FullDisk : public ::testing::TestWithParam<std::tuple<Writer, int>> {
 protected:
  void SetUp() override {
    figures_ = NineStyledFigures();
    target_ = dir_.filePath(QString::fromLatin1(std::get<0>(GetParam()).file));
    QFile old(target_);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(previous_);
  }
  // Writes, expecting the failure; the old file and nothing else must be there afterwards.
  void WriteAndExpect(const std::string& reason) {
    try {
      std::get<0>(GetParam()).write(Raw(figures_), target_);
      ADD_FAILURE() << "reported success";
    } catch (const EKedrinError& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot write file " + target_.toStdString() + ": " + reason);
    }
    QFile file(target_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), previous_);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file stays";
  }

  QTemporaryDir dir_;
  QString target_;
  std::vector<std::unique_ptr<TCustomKDTool>> figures_;
  const QByteArray previous_ = QByteArray(4303, 'p');  // the size of the sample diagram
};

// The bytes a device takes before it fails: none, a few, a thousand (fewer than any file here holds).
TEST_P(FullDisk, DeviceFailingAfterSomeBytesKeepsTheOldFile) {
  DiskFullAfter full(std::get<1>(GetParam()));
  WriteAndExpect("No space left on device");
}

// The system itself refusing the bytes beyond a limit, after Qt's buffer hid them.
TEST_P(FullDisk, SystemRefusingTheWritesKeepsTheOldFile) {
  FileSizeLimit limit(static_cast<rlim_t>(std::get<1>(GetParam())));
  WriteAndExpect("File too large");
}

INSTANTIATE_TEST_SUITE_P(Writers, FullDisk, ::testing::Combine(::testing::ValuesIn(kWriters), ::testing::Values(0, 100, 1000)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "After" + std::to_string(std::get<1>(info.param));
                         });

}  // namespace
