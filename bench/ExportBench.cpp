// Exporting 10,000 figures to a 4096 x 4096 JPEG as the editor does (picture building, then the
// JPEG file), beside the bare work: drawing the same figures into a 24-bit picture and handing
// its rows to libjpeg with the same settings, into memory.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "DiagramPicture.h"
#include "BenchSupport.h"
#include "KDTools.h"
#include "PictureFiles.h"

namespace {

constexpr int kFigures = 10000;
const QSize kSize(4096, 4096);

const std::vector<const TCustomKDTool*>& Figures() {
  // Widgets must not outlive the application: the figures are kept to the end, never destroyed.
  static auto& owned = *new std::vector<std::unique_ptr<TCustomKDTool>>;
  static const std::vector<const TCustomKDTool*> figures = [] {
    std::vector<const TCustomKDTool*> v;
    for (int i = 0; i < kFigures; ++i) {
      std::unique_ptr<TCustomKDTool> f = MakeFigure(i);
      f->ApplyBounds((i % 100) * 40 + 10, (i / 100) * 40 + 10, 34, 30);
      f->SetFillColor(RGB(i % 256, 200, 255 - i % 256));
      v.push_back(f.get());
      owned.push_back(std::move(f));
    }
    return v;
  }();
  return figures;
}

void BM_ExportJpeg(benchmark::State& state) {
  const auto& figures = Figures();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("export.jpg"));
  for (auto _ : state) {
    picturefiles::WriteJpeg(BuildDiagramPicture(nullptr, kSize, figures), path);
  }
  // The picture holds the figures: the first one's fill shows in the middle of its box.
  const QImage written(path);
  const QRgb middle = written.isNull() ? 0 : written.pixel(27, 25);
  if (written.size() != kSize || std::abs(qGreen(middle) - 200) > 24 || qBlue(middle) < 220)
    state.SkipWithError("the picture does not show the figures");
  state.SetItemsProcessed(state.iterations() * kFigures);
}
BENCHMARK(BM_ExportJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

// Drawing straight into 24-bit rows and the plainest use of libjpeg.
void BM_BareRenderAndEncode(benchmark::State& state) {
  const auto& figures = Figures();
  size_t bytes = 0;
  for (auto _ : state) {
    QImage picture(kSize, QImage::Format_RGB888);
    picture.fill(Qt::white);
    {
      QPainter painter(&picture);
      DrawFigures(painter, figures);
    }
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&cinfo, &out, &outSize);
    cinfo.image_width = static_cast<JDIMENSION>(kSize.width());
    cinfo.image_height = static_cast<JDIMENSION>(kSize.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    cinfo.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
      JSAMPROW row = const_cast<JSAMPROW>(picture.constScanLine(static_cast<int>(cinfo.next_scanline)));
      jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    bytes += outSize;
    std::free(out);
    if (outSize < 100000) state.SkipWithError("nothing was encoded");
  }
  benchmark::DoNotOptimize(bytes);
  state.SetItemsProcessed(state.iterations() * kFigures);
}
BENCHMARK(BM_BareRenderAndEncode)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
