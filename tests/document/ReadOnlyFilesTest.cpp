// Opening reads regular files only and never waits: a pipe, a device or a folder is refused at
// once with its name, and so is a file larger than any diagram.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <future>

#include "CustomKDTool.h"
#include "DiagramFile.h"
#include "RegularFile.h"

namespace {

struct Kind {
  const char* name;
  std::function<void(const QString& path)> make;
  const char* reason;
};

const Kind kKinds[] = {
    {"Pipe", [](const QString& p) { ::mkfifo(QFile::encodeName(p).constData(), 0644); }, "it is a pipe, not a regular file"},
    {"LinkToEndlessDevice", [](const QString& p) { QFile::link(QStringLiteral("/dev/zero"), p); },
     "it is a device, not a regular file"},
    {"Folder", [](const QString& p) { QDir().mkdir(p); }, "it is a folder, not a regular file"},
    // Sparse: a gigabyte and a byte that take no room on the disk.
    {"LargerThanAnyDiagram",
     [](const QString& p) {
       QFile f(p);
       ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(regularfile::kMaxBytes + 1));
     },
     "it is larger than 1 GiB, more than a diagram can be"},
};

class NotADiagramFile : public ::testing::TestWithParam<Kind> {};

TEST_P(NotADiagramFile, IsRefusedAtOnceWithItsName) {
  QTemporaryDir dir;
  const QString path = dir.filePath("x.kdl");
  GetParam().make(path);
  std::future<std::string> read = std::async(std::launch::async, [&] {
    try {
      diagramfile::Read(path, [](std::unique_ptr<TCustomKDTool>) {});
    } catch (const std::exception& e) {
      return std::string(e.what());
    }
    return std::string("read as a diagram");
  });
  if (read.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
    ADD_FAILURE() << "still waiting";
    // A writer comes and goes, so that a read waiting for one ends.
    ::close(::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK));
    ::close(::open(QFile::encodeName(path).constData(), O_WRONLY));
  }
  EXPECT_EQ(read.get(), "Cannot open file " + path.toStdString() + ": " + GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotADiagramFile, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
