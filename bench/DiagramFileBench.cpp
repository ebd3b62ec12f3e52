// Opening and saving a 10,000-figure diagram in a shown document window. Opening counts until
// every figure has been painted; saving until the file is in place.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

#include "DiagramFile.h"
#include "BenchSupport.h"
#include "KDTools.h"
#include "MainWindowLink.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {

constexpr int kFigures = 10000;

using BenchMain = QuietMainWindow;

BenchMain& Main() {
  static BenchMain main;
  return main;
}

QTemporaryDir& Folder() {
  static QTemporaryDir dir;
  return dir;
}

// A diagram of every figure class on a 100-column grid.
QString DiagramFile() {
  static const QString path = [] {
    std::vector<std::unique_ptr<TCustomKDTool>> figures;
    std::vector<const Persistent*> records;
    for (int i = 0; i < kFigures; ++i) {
      std::unique_ptr<TCustomKDTool> f = MakeFigure(i);
      f->ApplyBounds((i % 100) * 70, (i / 100) * 50, 60, 40);
      f->SetFillColor(clWhite);
      records.push_back(f.get());
      figures.push_back(std::move(f));
    }
    const QString p = Folder().filePath(QStringLiteral("big.kdl"));
    diagramfile::Write(p, records);
    return p;
  }();
  return path;
}

std::unique_ptr<TwinKedrinFile> ShownDocument() {
  auto doc = std::make_unique<TwinKedrinFile>(&Main());
  doc->SetTitle(QStringLiteral("Noname.kdl"));
  doc->resize(696, 480);
  doc->show();
  QCoreApplication::processEvents();
  return doc;
}

void Close(std::unique_ptr<TwinKedrinFile> doc) {
  // Deleting thousands of widgets with events queued for them is quadratic in Qt.
  QCoreApplication::sendPostedEvents();
  doc.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_OpenDiagram(benchmark::State& state) {
  const QString path = DiagramFile();
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = ShownDocument();
    state.ResumeTiming();
    doc->LoadFromFile(path);
    QCoreApplication::processEvents();  // every figure painted
    state.PauseTiming();
    if (doc->Figures().size() != kFigures || !doc->Figures().back()->isVisible())
      state.SkipWithError("figures missing or not shown");
    Close(std::move(doc));
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kFigures);
}
BENCHMARK(BM_OpenDiagram)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveDiagram(benchmark::State& state) {
  auto doc = ShownDocument();
  doc->LoadFromFile(DiagramFile());
  QCoreApplication::processEvents();
  const QString target = Folder().filePath(QStringLiteral("saved.kdl"));
  for (auto _ : state) {
    if (!doc->SaveToFile(target)) state.SkipWithError("not saved");
  }
  // The diagram read is written back byte for byte.
  if (QFileInfo(target).size() != QFileInfo(DiagramFile()).size()) state.SkipWithError("saved file differs");
  state.SetItemsProcessed(state.iterations() * kFigures);
  Close(std::move(doc));
}
BENCHMARK(BM_SaveDiagram)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
