// Figures as plain values against figure objects: reading 100,000 records into each, and drawing
// 10,000 of each onto a picture. The records are the mixed figures of the record benchmarks; the
// values drawn are read from the very records the objects were written as, so both draw the same.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "ByteStream.h"
#include "DiagramFile.h"
#include "DrawFigure.h"
#include "FigureFile.h"
#include "KDTools.h"
#include "Writer.h"

namespace {

constexpr int kRecords = 100000;
constexpr int kDrawn = 10000;
constexpr int kDistinct = 1000;

// Kept to the end of the program: widgets must not outlive the application.
const std::vector<std::unique_ptr<TCustomKDTool>>& Objects() {
  static const auto& objects = *[] {
    auto* v = new std::vector<std::unique_ptr<TCustomKDTool>>;
    for (int i = 0; i < kDistinct; ++i) {
      std::unique_ptr<TCustomKDTool> f = MakeFigure(i);
      f->ApplyBounds((i % 14) * 70, (i / 14 % 20) * 50, 60, 40);
      f->SetCaption(i % 3 ? "Process step" : "");
      f->SetLineColor(RGB(i % 256, 20, 30));
      f->SetFillColor(clWhite);
      f->SetLineStyle(static_cast<TPenStyle>(i % 5));
      v->push_back(std::move(f));
    }
    return v;
  }();
  return objects;
}

const std::vector<uint8_t>& Records() {
  static const std::vector<uint8_t> bytes = [] {
    MemoryStream stream;
    TWriter writer(stream);
    for (int i = 0; i < kRecords; ++i) writer.WriteShape(*Objects()[static_cast<size_t>(i % kDistinct)]);
    writer.FlushBuffer();
    return stream.TakeData();
  }();
  return bytes;
}

void BM_ReadRecordsIntoValues(benchmark::State& state) {
  const std::vector<uint8_t>& data = Records();
  for (auto _ : state) {
    figures::FigureFileRead read = figures::ReadFigures(data);
    if (read.figures.size() != kRecords || !read.Whole()) state.SkipWithError("not every record was read");
    benchmark::DoNotOptimize(read.figures.data());
    state.PauseTiming();
    read = {};
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ReadRecordsIntoValues)->Unit(benchmark::kMillisecond);

// As a document reads a file today: a figure object per record, kept (freeing them is not part
// of reading).
void BM_ReadRecordsIntoObjects(benchmark::State& state) {
  const std::vector<uint8_t>& data = Records();
  std::vector<std::unique_ptr<TCustomKDTool>> kept;
  kept.reserve(kRecords);
  // The first 100,000 objects of the process cost more (a fresh heap): read once untimed.
  static const bool warmed = [&] {
    MemoryStream stream(data.data(), data.size());
    diagramfile::ReadRecords(stream, [&](std::unique_ptr<TCustomKDTool> f) { kept.push_back(std::move(f)); });
    kept.clear();
    QCoreApplication::sendPostedEvents();
    return true;
  }();
  benchmark::DoNotOptimize(warmed);
  for (auto _ : state) {
    MemoryStream stream(data.data(), data.size());
    const int n =
        diagramfile::ReadRecords(stream, [&](std::unique_ptr<TCustomKDTool> f) { kept.push_back(std::move(f)); });
    if (n != kRecords) state.SkipWithError("not every record was read");
    state.PauseTiming();
    kept.clear();
    QCoreApplication::sendPostedEvents();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ReadRecordsIntoObjects)->Unit(benchmark::kMillisecond);

// 10,000 figures on a 1000 x 1000 picture, a grid of 14 by 20 cells drawn over again.
template <typename DrawAll>
void DrawPicture(benchmark::State& state, DrawAll drawAll) {
  QImage picture(1000, 1000, QImage::Format_RGB32);
  for (auto _ : state) {
    picture.fill(Qt::white);
    QPainter painter(&picture);
    Canvas canvas(&painter);
    drawAll(canvas);
  }
  state.SetItemsProcessed(state.iterations() * kDrawn);
}

void BM_DrawValues(benchmark::State& state) {
  const figures::FigureFileRead read = figures::ReadFigures(Records());
  DrawPicture(state, [&](Canvas& c) {
    for (int i = 0; i < kDrawn; ++i) {
      const figures::Figure& f = read.figures[static_cast<size_t>(i)];
      render::DrawFigure(c, f, f.box.topLeft());
    }
  });
}
BENCHMARK(BM_DrawValues)->Unit(benchmark::kMillisecond);

void BM_DrawObjects(benchmark::State& state) {
  const auto& objects = Objects();
  DrawPicture(state, [&](Canvas& c) {
    for (int i = 0; i < kDrawn; ++i) {
      const TCustomKDTool& f = *objects[static_cast<size_t>(i % kDistinct)];
      f.DrawTo(c, f.Left(), f.Top());
    }
  });
}
BENCHMARK(BM_DrawObjects)->Unit(benchmark::kMillisecond);

}  // namespace
