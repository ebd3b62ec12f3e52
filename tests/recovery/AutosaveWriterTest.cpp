#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>
#include <thread>

#include "AutosaveWriter.h"
#include "RecoverySession.h"
#include "RecoveryTestSupport.h"

namespace {

// Copies replace each other while another thread keeps reading: every read sees one copy whole,
// never a mixture or a cut.
TEST(AutosaveWriter, AReaderNeverSeesAPartlyWrittenCopy) {
  QTemporaryDir dir;
  const QString id = QStringLiteral("doc");
  const QString path = RecoverySession::RecordsPath(dir.path(), id);
  const QByteArray large(4 << 20, 'a'), small(1000, 'b');
  const RecoveryEntry entry{QStringLiteral("Noname.kdl"), {}, QDateTime::currentDateTimeUtc(), 0};
  AutosaveWriter writer;
  QStringList errors;
  QObject::connect(&writer, &AutosaveWriter::Written, [&](const QString&, const QString& e) {
    if (!e.isEmpty()) errors.push_back(e);
  });
  writer.Write(dir.path(), id, small, entry);
  writer.Wait();

  std::atomic<bool> stop{false};
  std::atomic<int> reads{0}, torn{0};
  std::thread reader([&] {
    while (!stop) {
      const QByteArray seen = FileBytes(path);
      ++reads;
      if (seen != large && seen != small) ++torn;
    }
  });
  for (int i = 0; i < 30; ++i) writer.Write(dir.path(), id, i % 2 ? small : large, entry);
  writer.Wait();
  stop = true;
  reader.join();

  EXPECT_EQ(torn, 0) << "of " << reads << " reads";
  EXPECT_GT(reads, 30);
  EXPECT_TRUE(errors.isEmpty());
  EXPECT_EQ(FileBytes(path), small);
}

}  // namespace
