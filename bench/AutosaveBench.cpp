// One autosave of a 10,000-figure diagram as the UI thread pays for it: the records serialised
// and handed to the writer thread. The write runs on that thread outside the measure; every
// round waits for it (untimed) and checks the copy on disk, and the last copy is read back
// through the editor's reader to hold all 10,000 figures.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "AutosaveLink.h"
#include "AutosaveManager.h"
#include "AutosaveSource.h"
#include "BenchSupport.h"
#include "RecordBytes.h"
#include "TwinMain.h"

namespace {

constexpr int kFigures = 10000;

// A diagram of every figure class on a 100-column grid, as the document window would offer it.
class Diagram : public AutosaveSource {
 public:
  Diagram() {
    for (int i = 0; i < kFigures; ++i) {
      std::unique_ptr<TCustomKDTool> f = MakeFigure(i);
      f->ApplyBounds((i % 100) * 70, (i / 100) * 50, 60, 40);
      f->SetFillColor(clWhite);
      f->SetCaption("Step " + std::to_string(i));
      records_.push_back(f.get());
      figures_.push_back(std::move(f));
    }
  }
  QString AutosaveTitle() const override { return QStringLiteral("/home/ann/big.kdl"); }
  QString AutosaveFilePath() const override { return AutosaveTitle(); }
  bool AutosaveModified() const override { return true; }
  bool AutosaveDragInProgress() const override { return false; }
  QByteArray AutosaveRecords(int& figures) const override {
    ++serialised;
    figures = static_cast<int>(records_.size());
    return recordbytes::Serialise(records_);
  }

  mutable int64_t serialised = 0;
  std::vector<const Persistent*> records_;

 private:
  std::vector<std::unique_ptr<TCustomKDTool>> figures_;
};

// Figures are widgets: each benchmark makes its own, to be gone before the application.
void BM_AutosaveUiThread(benchmark::State& state) {
  Diagram diagram;
  const qint64 expectedSize = recordbytes::Serialise(diagram.records_).size();
  QTemporaryDir dir;
  int64_t now = 0;
  AutosaveManager manager(AutosaveSettings{}, dir.filePath(QStringLiteral("recovery")));
  manager.SetClock([&now] { return now; });
  manager.Register(&diagram);
  const int64_t before = diagram.serialised;
  for (auto _ : state) {
    state.PauseTiming();
    manager.Changed(&diagram);
    now += 5000;  // the copy is due
    state.ResumeTiming();
    manager.RunDueWrites();
    state.PauseTiming();
    manager.WaitForWriter();
    if (QFileInfo(manager.CopyPath(&diagram)).size() != expectedSize) state.SkipWithError("copy not written whole");
    state.ResumeTiming();
  }
  if (diagram.serialised - before != state.iterations()) state.SkipWithError("a round took no copy");
  QFile copy(manager.CopyPath(&diagram));
  const recordbytes::Check check = recordbytes::Read(copy.open(QIODevice::ReadOnly) ? copy.readAll() : QByteArray());
  if (check.figures != kFigures || !check.error.isEmpty()) state.SkipWithError("the copy does not read back whole");
  manager.Shutdown();
  state.counters["figures"] = check.figures;
  state.counters["bytes"] = static_cast<double>(expectedSize);
  state.SetItemsProcessed(state.iterations() * kFigures);
}
BENCHMARK(BM_AutosaveUiThread)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same through the editor's own wiring: a document window of the main window holding the
// 10,000 figures read from a file (so they are widgets among widgets, as in the editor), its
// records taken by AutosaveLink's source, the walk over the document's figures included.
void BM_AutosaveThroughLink(benchmark::State& state) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("big.kdl"));
  {
    Diagram diagram;
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return state.SkipWithError("the diagram cannot be written");
    out.write(recordbytes::Serialise(diagram.records_));
  }
  int64_t now = 0;
  AutosaveManager manager(AutosaveSettings{}, dir.filePath(QStringLiteral("recovery")));
  manager.SetClock([&now] { return now; });
  auto main = std::make_unique<TwinMain>();
  auto link = std::make_unique<AutosaveLink>(*main, manager);
  TwinKedrinFile* doc = main->OpenFile(file);
  if (!doc || doc->Figures().size() != kFigures) return state.SkipWithError("the diagram did not open whole");
  doc->SetModified(true);
  AutosaveSource* source = link->SourceOf(doc);
  const qint64 expectedSize = QFileInfo(file).size();
  int64_t rounds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    manager.Changed(source);
    now += 5000;  // the copy is due
    state.ResumeTiming();
    manager.RunDueWrites();
    state.PauseTiming();
    manager.WaitForWriter();
    if (QFileInfo(manager.CopyPath(source)).size() != expectedSize) state.SkipWithError("copy not written whole");
    ++rounds;
    state.ResumeTiming();
  }
  QFile copy(manager.CopyPath(source));
  const recordbytes::Check check = recordbytes::Read(copy.open(QIODevice::ReadOnly) ? copy.readAll() : QByteArray());
  if (check.figures != kFigures || !check.error.isEmpty()) state.SkipWithError("the copy does not read back whole");
  manager.Shutdown();
  link.reset();
  main.reset();
  state.counters["figures"] = check.figures;
  state.SetItemsProcessed(rounds * kFigures);
}
BENCHMARK(BM_AutosaveThroughLink)->Unit(benchmark::kMillisecond)->UseRealTime();

// The serialisation alone, for the share of the hand-off in the measure above.
void BM_SerialiseRecords(benchmark::State& state) {
  Diagram diagram;
  qsizetype size = 0;
  for (auto _ : state) {
    const QByteArray bytes = recordbytes::Serialise(diagram.records_);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.constData());
  }
  if (size == 0) state.SkipWithError("nothing serialised");
  state.SetItemsProcessed(state.iterations() * kFigures);
}
BENCHMARK(BM_SerialiseRecords)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
