#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <random>

#include <libdeflate.h>

#include "DeflateJoin.h"
#include "DiagramPicture.h"
#include "FigureSamples.h"
#include "PngEncoder.h"

namespace {

// A picture of `colours` distinct colours in runs and scattered pixels, tall enough to be
// encoded in several pieces.
QImage Picture(int colours, QImage::Format format, int w = 700, int h = 900) {
  QImage image(w, h, format);
  std::mt19937 random(colours);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const int c = (x / 37 + y / 11) % colours;
      const int pick = random() % 50 == 0 ? static_cast<int>(random() % static_cast<unsigned>(colours)) : c;
      const QRgb rgb = qRgb(pick * 7 % 256, pick / 256 * 60 + 10, 255 - pick % 200);
      row[x] = format == QImage::Format_RGB32 ? rgb : qPremultiply(pick == 0 ? qRgba(0, 0, 0, 0) : rgb);
    }
  }
  return image;
}

struct LayoutCase {
  int colours;
  bool alpha;
  bool indexed;
  int bitDepth;
};

class PngLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(PngLayouts, DecodesToTheSamePixelsAtTheSmallestDepth) {
  const LayoutCase c = GetParam();
  const QImage picture = Picture(c.colours, c.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  exporting::PngLayout layout;
  const QByteArray png = exporting::EncodePng(picture, &layout);
  ASSERT_FALSE(png.isEmpty());
  EXPECT_EQ(layout.indexed, c.indexed);
  EXPECT_EQ(layout.bitDepth, c.bitDepth);
  QImage back;
  ASSERT_TRUE(back.loadFromData(png, "png"));  // libpng checks every checksum on the way
  ASSERT_EQ(back.size(), picture.size());
  const QImage::Format f = c.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
  EXPECT_EQ(back.convertToFormat(f), picture);
  EXPECT_EQ(back.hasAlphaChannel(), c.alpha);
}

INSTANTIATE_TEST_SUITE_P(, PngLayouts,
                         ::testing::Values(LayoutCase{1, false, true, 1}, LayoutCase{2, false, true, 1},
                                           LayoutCase{3, false, true, 2}, LayoutCase{5, false, true, 4},
                                           LayoutCase{16, false, true, 4}, LayoutCase{17, false, true, 8},
                                           LayoutCase{256, false, true, 8}, LayoutCase{257, false, false, 8},
                                           LayoutCase{3, true, true, 2}, LayoutCase{300, true, false, 8}),
                         [](const auto& info) {
                           return std::to_string(info.param.colours) + (info.param.alpha ? "Alpha" : "");
                         });

TEST(PngEncoder, OddSizesAndTheDeviceRefusing) {
  for (QSize size : {QSize(1, 1), QSize(9, 3), QSize(3001, 2)}) {
    const QImage picture = Picture(3, QImage::Format_RGB32, size.width(), size.height());
    QImage back;
    ASSERT_TRUE(back.loadFromData(exporting::EncodePng(picture), "png")) << size.width();
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
  }
  QByteArray bytes;
  QBuffer readOnly(&bytes);
  readOnly.open(QIODevice::ReadOnly);
  EXPECT_FALSE(exporting::EncodePng(Picture(2, QImage::Format_RGB32), readOnly));
  EXPECT_TRUE(exporting::EncodePng(QImage()).isEmpty());
}

// Drawn band by band: the pixels of the one-pass picture, whether the expected colours are right
// or miss some (then the whole picture is counted instead).
TEST(PngEncoder, BandsOfFiguresEncodeTheRenderedPixels) {
  auto figures = NineStyledFigures();
  for (size_t i = 0; i < figures.size(); ++i)
    figures[i]->ApplyBounds(20 + 70 * static_cast<int>(i), 10 + 45 * static_cast<int>(i), 60, 70);
  const std::vector<const TCustomKDTool*> raw = Raw(figures);
  PictureRequest request;
  request.size = QSize(700, 500);
  const QImage expected = RenderPicture(request, raw);
  const PictureBands bands(request, raw, 16);
  ASSERT_GT(bands.Count(), 3);
  const std::vector<QRgb> tooFew = {qRgb(255, 255, 255), qRgb(0, 0, 0)};
  for (const std::vector<QRgb>& colours : {std::vector<QRgb>{}, tooFew}) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    exporting::PngLayout layout;
    ASSERT_TRUE(exporting::EncodePng(bands, colours, buffer, &layout));
    EXPECT_EQ(layout.indexed, !colours.empty()) << "indexed after counting the colours";
    QImage back;
    ASSERT_TRUE(back.loadFromData(png, "png"));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), expected) << colours.size();
  }
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& data, int level) {
  libdeflate_compressor* c = libdeflate_alloc_compressor(level);
  std::vector<uint8_t> out(libdeflate_deflate_compress_bound(c, data.size()));
  out.resize(libdeflate_deflate_compress(c, data.data(), data.size(), out.data(), out.size()));
  libdeflate_free_compressor(c);
  return out;
}

// Pieces compressed apart at every kind of block (stored, fixed, dynamic) join into one stream
// that inflates to the whole, with the whole's checksum.
TEST(DeflateJoin, JoinedPiecesInflateToTheWhole) {
  std::mt19937 random(7);
  for (int level : {0, 1, 6, 12}) {
    std::vector<uint8_t> whole, joined;
    uint32_t adler = 1;
    const size_t sizes[] = {5, 70000, 3, 300000, 1000};
    for (size_t p = 0; p < std::size(sizes); ++p) {
      std::vector<uint8_t> piece(sizes[p]);
      for (size_t i = 0; i < piece.size(); ++i) piece[i] = static_cast<uint8_t>(i % 300 < 200 ? i / 500 : random());
      std::vector<uint8_t> packed = Compress(piece, level);
      if (p + 1 < std::size(sizes)) {
        ASSERT_TRUE(deflatejoin::MakeContinuable(packed)) << level;
      }
      joined.insert(joined.end(), packed.begin(), packed.end());
      adler = deflatejoin::CombineAdler32(adler, libdeflate_adler32(1, piece.data(), piece.size()), piece.size());
      whole.insert(whole.end(), piece.begin(), piece.end());
    }
    std::vector<uint8_t> back(whole.size());
    libdeflate_decompressor* d = libdeflate_alloc_decompressor();
    size_t inflated = 0;
    EXPECT_EQ(libdeflate_deflate_decompress(d, joined.data(), joined.size(), back.data(), back.size(), &inflated),
              LIBDEFLATE_SUCCESS)
        << level;
    libdeflate_free_decompressor(d);
    EXPECT_EQ(inflated, whole.size());
    EXPECT_TRUE(back == whole) << level;
    EXPECT_EQ(adler, libdeflate_adler32(1, whole.data(), whole.size()));
  }
}

TEST(DeflateJoin, DamagedStreamsAreRefused) {
  std::vector<uint8_t> packed = Compress(std::vector<uint8_t>(5000, 42), 6);
  std::vector<uint8_t> cut(packed.begin(), packed.begin() + static_cast<ptrdiff_t>(packed.size() / 2));
  EXPECT_FALSE(deflatejoin::MakeContinuable(cut));
  std::vector<uint8_t> reserved = {0x07};  // block type 3 does not exist
  EXPECT_FALSE(deflatejoin::MakeContinuable(reserved));
  std::vector<uint8_t> empty;
  EXPECT_FALSE(deflatejoin::MakeContinuable(empty));
}

}  // namespace
