// Arbitrary bytes as a draw.io file: pages found and inflated, cells mapped to figures, and the
// figures written as draw.io and read again. Besides a crash, a hang or a sanitizer report, a
// finding is an import with neither figures nor an error reported for a file that says nothing,
// figures without the ids 1, 2, ... the importer promises, or a written file that does not read
// back with the same figures of each kind.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "DrawioImport.h"
#include "DrawioWriter.h"

namespace {
// Never destroyed: libFuzzer ends the process through exit(), and tearing Qt down from the exit
// handlers crashes in its post routines. Texts are measured with its fonts.
QGuiApplication* g_app = nullptr;

[[noreturn]] void Fail(const char* what, const QByteArray& text) {
  std::fprintf(stderr, "%s\n--- written ---\n%s\n", what, text.constData());
  std::abort();
}

std::map<int, int> KindsOf(const std::vector<figures::Figure>& figures) {
  std::map<int, int> count;
  for (const figures::Figure& f : figures) ++count[static_cast<int>(f.kind)];
  return count;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  g_app = new QGuiApplication(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArrayView file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const drawio::Imported first = drawio::ImportDrawio(file);
  if (!first.ok()) {
    if (!first.figures.empty()) Fail("figures and an error", QByteArray());
    return 0;
  }
  for (size_t i = 0; i < first.figures.size(); ++i)
    if (first.figures[i].id != i + 1) Fail("the figures' ids are not 1, 2, ... in order", QByteArray());
  if (first.figures.empty()) return 0;
  const QByteArray written = drawio::WriteDrawio(first.figures);
  const drawio::Imported again = drawio::ImportDrawio(written);
  if (!again.ok()) Fail(("what was written does not read: " + again.error).c_str(), written);
  if (KindsOf(again.figures) != KindsOf(first.figures)) Fail("what was written reads with other figures", written);
  return 0;
}
