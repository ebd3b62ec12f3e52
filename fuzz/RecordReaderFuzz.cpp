// Arbitrary bytes as a diagram file: read record by record with the real figure classes, adopted
// by a canvas and drawn into a picture, as opening and exporting do. The reader's own errors are
// the expected outcome of most inputs; anything else (a crash, a sanitizer report, another
// exception, a hang) is a finding.
#include <QApplication>
#include <QWidget>
#include <memory>
#include <vector>

#include "ByteStream.h"
#include "CustomKDTool.h"
#include "DiagramFile.h"
#include "DiagramPicture.h"
#include "StreamError.h"

namespace {
// Kept in globals, so that the leak check at exit sees them as still in use.
QApplication* g_app = nullptr;
QWidget* g_canvas = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: libFuzzer ends the process through exit(), and tearing Qt's GUI down from
  // the exit handlers crashes in its post routines.
  g_app = new QApplication(*argc, *argv);
  g_canvas = new QWidget;
  g_canvas->resize(160, 120);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryStream stream(data, size);
  std::vector<std::unique_ptr<TCustomKDTool>> figures;
  try {
    diagramfile::ReadRecords(stream, [&](std::unique_ptr<TCustomKDTool> figure) {
      figure->SetParentControl(g_canvas);
      figure->Redraw();
      figures.push_back(std::move(figure));
    });
  } catch (const EStreamError&) {
  }
  std::vector<const TCustomKDTool*> raw;
  for (const auto& f : figures) raw.push_back(f.get());
  // A fixed picture: the exported picture grows with the figures, and hostile positions would
  // only measure how much memory the machine has.
  PictureRequest request;
  request.size = QSize(160, 120);
  QImage picture = RenderPicture(request, raw);
  (void)picture;
  return 0;
}
