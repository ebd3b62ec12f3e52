#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

namespace testsupport {

std::vector<uint8_t> Hex(const std::string& text) {
  std::vector<uint8_t> out;
  int nibble = -1;
  for (char c : text) {
    int v;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    else continue;
    if (nibble < 0) {
      nibble = v;
    } else {
      out.push_back(static_cast<uint8_t>(nibble * 16 + v));
      nibble = -1;
    }
  }
  return out;
}

std::string ToHex(const std::vector<uint8_t>& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i) s += ' ';
    s += digits[bytes[i] >> 4];
    s += digits[bytes[i] & 15];
  }
  return s;
}

std::vector<uint8_t> ReadFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QByteArray data = f.readAll();
  return std::vector<uint8_t>(data.begin(), data.end());
}

QString DataPath(const QString& name) { return QStringLiteral(KEDRIN_TEST_DATA "/") + name; }

QString OutputPath(const QString& name) {
  QDir dir(QStringLiteral(KEDRIN_BUILD_DIR "/test-output"));
  dir.mkpath(QStringLiteral("."));
  return dir.filePath(name);
}

void Flush() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

QImage Grab(QWidget* widget) { return widget->grab().toImage(); }

QString ShownTitle(const QWidget* window) {
  QString title = window->windowTitle();
  // "[*][*]" stands for a literal "[*]"; a single one is the mark.
  title.replace(QStringLiteral("[*][*]"), QStringLiteral("\x01"));
  title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
  return title.replace(QStringLiteral("\x01"), QStringLiteral("[*]"));
}

}  // namespace testsupport
