// PNG export of the grid workload (bench/support/GridDiagram) at 1,000 and 10,000 figures, beside
// the floor: the same figures drawn in one pass into 24-bit rows and handed to a well-kept PNG
// encoder at its fastest compressing setting (level 1, no filtering), libspng and libpng each.
// The report divides BM_PngExport by the faster floor; --benchmark_filter=Level0 adds the
// encoders storing without compression, for reference.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QPainter>
#include <csetjmp>
#include <map>
#include <memory>
#include <vector>

#include <png.h>
#include <spng.h>

#include "DiagramPicture.h"
#include "ExportPicture.h"
#include "GridDiagram.h"
#include "PngEncoder.h"

namespace {

const std::vector<const TCustomKDTool*>& Grid(int n) {
  // Widgets must not outlive the application: the figures are kept to the end, never destroyed.
  static auto& owned = *new std::map<int, std::vector<std::unique_ptr<TCustomKDTool>>>;
  static auto& raw = *new std::map<int, std::vector<const TCustomKDTool*>>;
  if (!raw.count(n)) {
    owned[n] = MakeGridDiagram(n);
    raw[n] = RawFigures(owned[n]);
  }
  return raw[n];
}

exporting::PicturePlan Plan(int n) {
  return exporting::PlanExport(Grid(n), {}, exporting::ExportOptions{});
}

// Ours: the editor's export of the whole diagram as PNG, into memory.
void BM_PngExport(benchmark::State& state) {
  const exporting::PicturePlan plan = Plan(static_cast<int>(state.range(0)));
  size_t bytes = 0;
  exporting::PngLayout layout;
  for (auto _ : state) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!exporting::WritePng(plan, buffer, &layout)) state.SkipWithError("no PNG");
    bytes = static_cast<size_t>(png.size());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
  state.counters["bit_depth"] = layout.bitDepth;
  state.counters["pixels"] = static_cast<double>(plan.size.width()) * plan.size.height();
}
BENCHMARK(BM_PngExport)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Ours, split: drawing the picture on every core, then encoding it.
void BM_PngRenderOnly(benchmark::State& state) {
  const exporting::PicturePlan plan = Plan(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(exporting::RenderPlan(plan).constBits());
}
BENCHMARK(BM_PngRenderOnly)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PngEncodeOnly(benchmark::State& state) {
  const QImage picture = exporting::RenderPlan(Plan(static_cast<int>(state.range(0))));
  size_t bytes = 0;
  for (auto _ : state) bytes = static_cast<size_t>(exporting::EncodePng(picture).size());
  if (bytes == 0) state.SkipWithError("no PNG");
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PngEncodeOnly)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor's picture: one pass, one core, straight into 24-bit rows as the encoders take them.
QImage RenderRgb888(int n) {
  const exporting::PicturePlan plan = Plan(n);
  QImage picture(plan.size, QImage::Format_RGB888);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  DrawFigures(painter, plan.figures);
  return picture;
}

size_t SpngEncode(const QImage& rgb, int level) {
  spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
  spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
  spng_set_option(ctx, SPNG_IMG_COMPRESSION_LEVEL, level);
  spng_set_option(ctx, SPNG_FILTER_CHOICE, SPNG_DISABLE_FILTERING);
  spng_ihdr ihdr{};
  ihdr.width = static_cast<uint32_t>(rgb.width());
  ihdr.height = static_cast<uint32_t>(rgb.height());
  ihdr.bit_depth = 8;
  ihdr.color_type = SPNG_COLOR_TYPE_TRUECOLOR;
  spng_set_ihdr(ctx, &ihdr);
  // Row by row, since a QImage's rows are padded to four bytes.
  int err = spng_encode_image(ctx, nullptr, 0, SPNG_FMT_PNG, SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE);
  for (int y = 0; !err && y < rgb.height(); ++y)
    err = spng_encode_row(ctx, rgb.constScanLine(y), static_cast<size_t>(rgb.width()) * 3);
  if (err == SPNG_EOI) err = 0;
  size_t size = 0;
  void* png = err ? nullptr : spng_get_png_buffer(ctx, &size, &err);
  std::free(png);
  spng_ctx_free(ctx);
  return err ? 0 : size;
}

struct Sink {
  size_t bytes = 0;
};
void PngWrite(png_structp png, png_bytep, png_size_t n) { static_cast<Sink*>(png_get_io_ptr(png))->bytes += n; }
void PngFlush(png_structp) {}

size_t LibpngEncode(const QImage& rgb, int level) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  Sink sink;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return 0;
  }
  png_set_write_fn(png, &sink, PngWrite, PngFlush);
  png_set_compression_level(png, level);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_IHDR(png, info, static_cast<png_uint_32>(rgb.width()), static_cast<png_uint_32>(rgb.height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_write_info(png, info);
  for (int y = 0; y < rgb.height(); ++y) png_write_row(png, const_cast<png_bytep>(rgb.constScanLine(y)));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return sink.bytes;
}

template <size_t (*Encode)(const QImage&, int)>
void Floor(benchmark::State& state, int level) {
  const int n = static_cast<int>(state.range(0));
  Grid(n);
  size_t bytes = 0;
  for (auto _ : state) bytes = Encode(RenderRgb888(n), level);
  if (bytes == 0) state.SkipWithError("encoder failed");
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_FloorSpng(benchmark::State& state) { Floor<SpngEncode>(state, 1); }
void BM_FloorLibpng(benchmark::State& state) { Floor<LibpngEncode>(state, 1); }
void BM_FloorSpngLevel0(benchmark::State& state) { Floor<SpngEncode>(state, 0); }
void BM_FloorLibpngLevel0(benchmark::State& state) { Floor<LibpngEncode>(state, 0); }
BENCHMARK(BM_FloorSpng)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FloorLibpng)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FloorSpngLevel0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FloorLibpngLevel0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor's drawing alone.
void BM_FloorRenderOnly(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Grid(n);
  for (auto _ : state) benchmark::DoNotOptimize(RenderRgb888(n).constBits());
}
BENCHMARK(BM_FloorRenderOnly)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
