#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

#include "AutosaveSource.h"

// A document as the autosave sees it, set up by the test.
class FakeSource : public AutosaveSource {
 public:
  QString AutosaveTitle() const override { return title; }
  QString AutosaveFilePath() const override { return filePath; }
  bool AutosaveModified() const override { return modified; }
  bool AutosaveDragInProgress() const override { return dragging; }
  QByteArray AutosaveRecords(int& figureCount) const override {
    ++serialised;
    figureCount = figures;
    return records;
  }

  QString title = QStringLiteral("Noname.kdl");
  QString filePath;
  bool modified = true;
  bool dragging = false;
  QByteArray records = QByteArrayLiteral("records of the diagram");
  int figures = 3;
  mutable int serialised = 0;
};

// A clock the test moves by hand.
struct FakeClock {
  int64_t now = 0;
  auto Function() {
    return [this] { return now; };
  }
};

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void PutFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}
