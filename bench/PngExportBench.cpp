// PNG export of the grid workload (bench/support/GridDiagram) at 1,000 and 10,000 figures, beside
// the floor: the same figures drawn in one pass, packed into rows of the kind the export writes (a
// palette at the smallest bit depth that holds the picture's colours: 1 bit for the black and
// white grid), and handed to a well-kept PNG encoder at its fastest compressing setting (level 1,
// no filtering), libspng and libpng each.
// The report divides BM_PngExport by the faster floor; --benchmark_filter=Level0 adds the
// encoders storing without compression, for reference.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QPainter>
#include <algorithm>
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

// The picture's rows as the export writes them: palette indices at the smallest bit depth that
// holds its colours, most significant bits first; a picture of more than 256 colours stays 24-bit.
struct Packed {
  int width = 0, height = 0, depth = 8;
  bool truecolour = false;
  std::vector<QRgb> palette;
  std::vector<uint8_t> bytes;  // rows of stride bytes each
  size_t stride = 0;
  const uint8_t* Row(int y) const { return bytes.data() + static_cast<size_t>(y) * stride; }
};

Packed Pack(const QImage& rgb) {
  Packed p;
  p.width = rgb.width();
  p.height = rgb.height();
  std::vector<uint8_t> indices(static_cast<size_t>(p.width) * p.height);
  QRgb last = 0;
  int lastIndex = -1;
  for (int y = 0; y < p.height; ++y) {
    const uchar* row = rgb.constScanLine(y);
    for (int x = 0; x < p.width; ++x) {
      const QRgb c = qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
      if (lastIndex < 0 || c != last) {
        const auto it = std::find(p.palette.begin(), p.palette.end(), c);
        if (it == p.palette.end()) {
          if (p.palette.size() == 256) {
            p.truecolour = true;
            return p;
          }
          p.palette.push_back(c);
        }
        last = c;
        lastIndex = static_cast<int>(std::find(p.palette.begin(), p.palette.end(), c) - p.palette.begin());
      }
      indices[static_cast<size_t>(y) * p.width + x] = static_cast<uint8_t>(lastIndex);
    }
  }
  const size_t colours = p.palette.size();
  p.depth = colours <= 2 ? 1 : colours <= 4 ? 2 : colours <= 16 ? 4 : 8;
  p.stride = (static_cast<size_t>(p.width) * p.depth + 7) / 8;
  p.bytes.assign(p.stride * p.height, 0);
  const int perByte = 8 / p.depth;
  for (int y = 0; y < p.height; ++y) {
    uint8_t* out = p.bytes.data() + static_cast<size_t>(y) * p.stride;
    for (int x = 0; x < p.width; ++x)
      out[x / perByte] |= static_cast<uint8_t>(indices[static_cast<size_t>(y) * p.width + x]
                                               << ((perByte - 1 - x % perByte) * p.depth));
  }
  return p;
}

size_t SpngEncode(const QImage& rgb, const Packed& packed, int level) {
  spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
  spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
  spng_set_option(ctx, SPNG_IMG_COMPRESSION_LEVEL, level);
  spng_set_option(ctx, SPNG_FILTER_CHOICE, SPNG_DISABLE_FILTERING);
  spng_ihdr ihdr{};
  ihdr.width = static_cast<uint32_t>(rgb.width());
  ihdr.height = static_cast<uint32_t>(rgb.height());
  ihdr.bit_depth = static_cast<uint8_t>(packed.truecolour ? 8 : packed.depth);
  ihdr.color_type = packed.truecolour ? SPNG_COLOR_TYPE_TRUECOLOR : SPNG_COLOR_TYPE_INDEXED;
  spng_set_ihdr(ctx, &ihdr);
  if (!packed.truecolour) {
    spng_plte plte{};
    plte.n_entries = static_cast<uint32_t>(packed.palette.size());
    for (size_t i = 0; i < packed.palette.size(); ++i)
      plte.entries[i] = {static_cast<uint8_t>(qRed(packed.palette[i])), static_cast<uint8_t>(qGreen(packed.palette[i])),
                         static_cast<uint8_t>(qBlue(packed.palette[i])), 0};
    spng_set_plte(ctx, &plte);
  }
  // Row by row, since a QImage's rows are padded to four bytes.
  int err = spng_encode_image(ctx, nullptr, 0, SPNG_FMT_PNG, SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE);
  for (int y = 0; !err && y < rgb.height(); ++y)
    err = packed.truecolour ? spng_encode_row(ctx, rgb.constScanLine(y), static_cast<size_t>(rgb.width()) * 3)
                            : spng_encode_row(ctx, packed.Row(y), packed.stride);
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

size_t LibpngEncode(const QImage& rgb, const Packed& packed, int level) {
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
  png_set_IHDR(png, info, static_cast<png_uint_32>(rgb.width()), static_cast<png_uint_32>(rgb.height()),
               packed.truecolour ? 8 : packed.depth, packed.truecolour ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_PALETTE,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  std::vector<png_color> plte;
  for (QRgb c : packed.palette)
    plte.push_back({static_cast<png_byte>(qRed(c)), static_cast<png_byte>(qGreen(c)), static_cast<png_byte>(qBlue(c))});
  if (!packed.truecolour) png_set_PLTE(png, info, plte.data(), static_cast<int>(plte.size()));
  png_write_info(png, info);
  for (int y = 0; y < rgb.height(); ++y)
    png_write_row(png, const_cast<png_bytep>(packed.truecolour ? rgb.constScanLine(y) : packed.Row(y)));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return sink.bytes;
}

template <size_t (*Encode)(const QImage&, const Packed&, int)>
void Floor(benchmark::State& state, int level) {
  const int n = static_cast<int>(state.range(0));
  Grid(n);
  size_t bytes = 0;
  int depth = 0;
  for (auto _ : state) {
    const QImage rgb = RenderRgb888(n);
    const Packed packed = Pack(rgb);
    bytes = Encode(rgb, packed, level);
    depth = packed.truecolour ? 24 : packed.depth;
  }
  if (bytes == 0) state.SkipWithError("encoder failed");
  state.counters["bytes"] = static_cast<double>(bytes);
  state.counters["bit_depth"] = depth;
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
