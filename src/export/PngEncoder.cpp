#include "PngEncoder.h"

#include <QBuffer>
#include <QIODevice>
#include <algorithm>
#include <array>
#include <atomic>
#include <functional>
#include <cstring>
#include <memory>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <libdeflate.h>

#include "DeflateJoin.h"
#include "DiagramPicture.h"
#include "Parallel.h"

namespace exporting {

namespace {

constexpr int kMaxPalette = 256;
// Compressed pieces hold about this many bytes of row data: small enough to share the work
// among cores, large enough that the pieces' own overhead does not count.
constexpr size_t kPieceBytes = 512 * 1024;

// An open-addressed set of up to kMaxPalette colours, mapping each to a number.
class ColourTable {
 public:
  ColourTable() { keys_.fill(0); }
  // The colour's number, or -1 when it is not there.
  int Find(uint32_t colour) const {
    for (uint32_t slot = Hash(colour);; slot = (slot + 1) & kMask) {
      if (!used_[slot]) return -1;
      if (keys_[slot] == colour) return values_[slot];
    }
  }
  // Adds the colour with the next number; false once the table has kMaxPalette colours.
  bool Add(uint32_t colour) {
    if (Find(colour) >= 0) return true;
    if (size_ == kMaxPalette) return false;
    uint32_t slot = Hash(colour);
    while (used_[slot]) slot = (slot + 1) & kMask;
    used_[slot] = true;
    keys_[slot] = colour;
    values_[slot] = static_cast<int16_t>(size_++);
    return true;
  }
  int Size() const { return size_; }
  std::vector<uint32_t> Colours() const {
    std::vector<uint32_t> out;
    for (size_t s = 0; s < keys_.size(); ++s)
      if (used_[s]) out.push_back(keys_[s]);
    return out;
  }

 private:
  static constexpr uint32_t kSlots = 1024;
  static constexpr uint32_t kMask = kSlots - 1;
  static uint32_t Hash(uint32_t c) { return (c * 0x9E3779B1u) >> 22; }
  std::array<uint32_t, kSlots> keys_;
  std::array<int16_t, kSlots> values_{};
  std::array<bool, kSlots> used_{};
  int size_ = 0;
};

// The end of the run of `colour` that starts at x: the first pixel after it that differs.
int RunEnd(const uint32_t* row, int x, int w, uint32_t colour) {
#ifdef __SSE2__
  const __m128i c = _mm_set1_epi32(static_cast<int>(colour));
  for (; x + 16 <= w; x += 16) {
    const auto* p = reinterpret_cast<const __m128i*>(row + x);
    const __m128i same = _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi32(_mm_loadu_si128(p), c),
                                                     _mm_cmpeq_epi32(_mm_loadu_si128(p + 1), c)),
                                       _mm_and_si128(_mm_cmpeq_epi32(_mm_loadu_si128(p + 2), c),
                                                     _mm_cmpeq_epi32(_mm_loadu_si128(p + 3), c)));
    if (_mm_movemask_epi8(same) != 0xFFFF) break;
  }
#endif
  while (x < w && row[x] == colour) ++x;
  return x;
}

// Sets pixels [from, to) of a packed row, all bits clear before, to the palette index.
void FillIndices(uint8_t* out, int from, int to, int index, int depth) {
  if (index == 0 || from >= to) return;
  if (depth == 8) {
    std::memset(out + from, index, static_cast<size_t>(to - from));
    return;
  }
  const int perByteShift = depth == 1 ? 3 : depth == 2 ? 2 : 1;  // log2 of pixels per byte
  const int perByte = 1 << perByteShift;
  auto set = [&](int x) {
    out[x >> perByteShift] |= static_cast<uint8_t>(index << (8 - depth * ((x & (perByte - 1)) + 1)));
  };
  int x = from;
  for (; x < to && (x & (perByte - 1)); ++x) set(x);
  const int bytes = (to - x) >> perByteShift;
  if (bytes > 0) {
    const uint8_t pattern = static_cast<uint8_t>(depth == 1 ? 0xFF : depth == 2 ? index * 0x55 : index * 0x11);
    std::memset(out + (x >> perByteShift), pattern, static_cast<size_t>(bytes));
    x += bytes << perByteShift;
  }
  for (; x < to; ++x) set(x);
}

// The picture's colours, sorted; empty when there are more than kMaxPalette.
std::vector<uint32_t> Palette(const QImage& picture) {
  const int h = picture.height(), w = picture.width();
  const int parts = std::min(h, Cores() * 4);
  std::vector<ColourTable> found(static_cast<size_t>(parts));
  std::vector<char> overflow(static_cast<size_t>(parts), 0);
  ParallelFor(parts, [&](int part, int) {
    ColourTable& table = found[static_cast<size_t>(part)];
    const int from = static_cast<int>(int64_t{h} * part / parts), to = static_cast<int>(int64_t{h} * (part + 1) / parts);
    for (int y = from; y < to; ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(picture.constScanLine(y));
      for (int x = 0; x < w; x = RunEnd(row, x, w, row[x])) {
        if (!table.Add(row[x])) {
          overflow[static_cast<size_t>(part)] = 1;
          return;
        }
      }
    }
  });
  ColourTable all;
  for (size_t p = 0; p < found.size(); ++p) {
    if (overflow[p]) return {};
    for (uint32_t c : found[p].Colours())
      if (!all.Add(c)) return {};
  }
  std::vector<uint32_t> colours = all.Colours();
  std::sort(colours.begin(), colours.end());
  return colours;
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  out.insert(out.end(), {static_cast<uint8_t>(v >> 24), static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8),
                         static_cast<uint8_t>(v)});
}

// A whole chunk: length, type, data and the checksum of type and data.
std::vector<uint8_t> Chunk(const char* type, const uint8_t* data, size_t size) {
  std::vector<uint8_t> out;
  out.reserve(size + 12);
  PutU32(out, static_cast<uint32_t>(size));
  out.insert(out.end(), type, type + 4);
  if (size) out.insert(out.end(), data, data + size);
  const uint32_t crc = libdeflate_crc32(0, out.data() + 4, size + 4);
  PutU32(out, crc);
  return out;
}

struct Format {
  std::vector<uint32_t> palette;  // sorted colours; empty for truecolour
  int bitDepth = 8;
  int channels = 3;  // truecolour bytes per pixel
  size_t rowBytes = 0;  // without the filter byte
};

void TruecolourBytes(const uint32_t* row, int w, int channels, uint8_t* c) {
  if (channels == 3) {
    for (int x = 0; x < w; ++x, c += 3) {
      c[0] = static_cast<uint8_t>(row[x] >> 16);
      c[1] = static_cast<uint8_t>(row[x] >> 8);
      c[2] = static_cast<uint8_t>(row[x]);
    }
    return;
  }
  for (int x = 0; x < w; ++x, c += 4) {
    const QRgb p = qUnpremultiply(row[x]);
    c[0] = static_cast<uint8_t>(qRed(p));
    c[1] = static_cast<uint8_t>(qGreen(p));
    c[2] = static_cast<uint8_t>(qBlue(p));
    c[3] = static_cast<uint8_t>(qAlpha(p));
  }
}

// One row as PNG data: a filter byte, then the pixels. Indexed rows are stored unfiltered (their
// runs compress by themselves); truecolour rows take the Up filter, since a row the compressor
// cannot see back to (wider than its window) is mostly the row above, except a piece's first
// row, which has no row above at hand. False for a colour missing from the palette.
bool EncodeRow(const uint32_t* row, int w, const Format& f, const ColourTable& numbers, bool first, uint8_t* out,
               std::vector<uint8_t>& previous, std::vector<uint8_t>& current) {
  if (!f.palette.empty()) {
    *out++ = 0;
    std::memset(out, 0, f.rowBytes);
    for (int x = 0, end; x < w; x = end) {
      const int index = numbers.Find(row[x]);
      if (index < 0) return false;
      end = RunEnd(row, x + 1, w, row[x]);
      FillIndices(out, x, end, index, f.bitDepth);
    }
    return true;
  }
  TruecolourBytes(row, w, f.channels, current.data());
  if (first) {
    *out++ = 0;
    std::memcpy(out, current.data(), f.rowBytes);
  } else {
    *out++ = 2;
    for (size_t i = 0; i < f.rowBytes; ++i) out[i] = static_cast<uint8_t>(current[i] - previous[i]);
  }
  std::swap(previous, current);
  return true;
}

struct Piece {
  std::vector<uint8_t> chunk;  // the IDAT chunk holding this piece's compressed rows
  uint32_t adler = 1;
  size_t rawBytes = 0;
  bool ok = false;
};


// Where the rows of a picture come from, piece by piece: `draw` gives piece p's rows as an image
// (a view of a whole picture, or the worker's scratch image drawn anew).
struct RowSource {
  QSize size;
  bool alpha = false;
  int pieces = 0;
  std::function<int(int)> top;
  std::function<int(int)> rows;
  std::function<QImage(int piece, QImage& scratch)> draw;
};

enum class Outcome { Written, Failed, NotInPalette };

// Per worker thread: reused between pieces.
struct Worker {
  QImage scratch;
  std::vector<uint8_t> raw, packed, previous, current;
  libdeflate_compressor* compressor = nullptr;
  ~Worker() {
    if (compressor) libdeflate_free_compressor(compressor);
  }
};

Outcome Encode(const RowSource& source, const std::vector<uint32_t>& palette, QIODevice& device, PngLayout* layout) {
  const int w = source.size.width(), h = source.size.height();
  Format f;
  f.palette = palette;
  ColourTable numbers;
  if (!f.palette.empty()) {
    const size_t n = f.palette.size();
    f.bitDepth = n <= 2 ? 1 : n <= 4 ? 2 : n <= 16 ? 4 : 8;
    for (uint32_t c : f.palette) numbers.Add(c);
    f.rowBytes = (static_cast<size_t>(w) * static_cast<size_t>(f.bitDepth) + 7) / 8;
  } else {
    f.channels = source.alpha ? 4 : 3;
    f.rowBytes = static_cast<size_t>(w) * static_cast<size_t>(f.channels);
  }
  if (layout) *layout = {!f.palette.empty(), f.bitDepth, static_cast<int>(f.palette.size())};

  const size_t stride = f.rowBytes + 1;
  std::vector<Piece> out(static_cast<size_t>(source.pieces));
  std::vector<Worker> workers(static_cast<size_t>(Cores()));
  std::atomic<bool> missing{false};
  ParallelFor(source.pieces, [&](int p, int id) {
    if (missing) return;
    Worker& worker = workers[static_cast<size_t>(id)];
    Piece& piece = out[static_cast<size_t>(p)];
    const int rows = source.rows(p);
    const QImage band = source.draw(p, worker.scratch);
    worker.raw.resize(stride * static_cast<size_t>(rows));
    worker.previous.resize(f.palette.empty() ? f.rowBytes : 0);
    worker.current.resize(worker.previous.size());
    for (int y = 0; y < rows; ++y) {
      if (!EncodeRow(reinterpret_cast<const uint32_t*>(band.constScanLine(y)), w, f, numbers, y == 0,
                     worker.raw.data() + stride * static_cast<size_t>(y), worker.previous, worker.current)) {
        missing = true;
        return;
      }
    }
    piece.rawBytes = worker.raw.size();
    piece.adler = libdeflate_adler32(1, worker.raw.data(), worker.raw.size());
    if (!worker.compressor) worker.compressor = libdeflate_alloc_compressor(1);
    if (!worker.compressor) return;
    worker.packed.resize(libdeflate_deflate_compress_bound(worker.compressor, worker.raw.size()));
    const size_t n = libdeflate_deflate_compress(worker.compressor, worker.raw.data(), worker.raw.size(),
                                                 worker.packed.data(), worker.packed.size());
    std::vector<uint8_t> packed(worker.packed.begin(), worker.packed.begin() + static_cast<ptrdiff_t>(n));
    if (n == 0 || (p + 1 < source.pieces && !deflatejoin::MakeContinuable(packed))) return;
    // zlib's header (deflate, 32K window, fastest) opens the first piece; the others go on.
    if (p == 0) packed.insert(packed.begin(), {0x78, 0x01});
    piece.chunk = Chunk("IDAT", packed.data(), packed.size());
    piece.ok = true;
  });
  if (missing) return Outcome::NotInPalette;

  std::vector<uint8_t> head = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> ihdr;
  PutU32(ihdr, static_cast<uint32_t>(w));
  PutU32(ihdr, static_cast<uint32_t>(h));
  const uint8_t colourType = !f.palette.empty() ? 3 : f.channels == 4 ? 6 : 2;
  ihdr.insert(ihdr.end(), {static_cast<uint8_t>(f.bitDepth), colourType, 0, 0, 0});
  std::vector<uint8_t> chunk = Chunk("IHDR", ihdr.data(), ihdr.size());
  head.insert(head.end(), chunk.begin(), chunk.end());
  if (!f.palette.empty()) {
    std::vector<uint8_t> plte, trns;
    bool translucent = false;
    for (uint32_t c : f.palette) {
      const QRgb p = qUnpremultiply(c);
      plte.insert(plte.end(), {static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)), static_cast<uint8_t>(qBlue(p))});
      trns.push_back(static_cast<uint8_t>(source.alpha ? qAlpha(p) : 255));
      translucent |= trns.back() != 255;
    }
    chunk = Chunk("PLTE", plte.data(), plte.size());
    head.insert(head.end(), chunk.begin(), chunk.end());
    if (translucent) {
      chunk = Chunk("tRNS", trns.data(), trns.size());
      head.insert(head.end(), chunk.begin(), chunk.end());
    }
  }
  auto write = [&](const std::vector<uint8_t>& bytes) {
    return device.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
           static_cast<qint64>(bytes.size());
  };
  if (!write(head)) return Outcome::Failed;
  uint32_t adler = 1;
  for (const Piece& piece : out) {
    if (!piece.ok || !write(piece.chunk)) return Outcome::Failed;
    adler = deflatejoin::CombineAdler32(adler, piece.adler, piece.rawBytes);
  }
  std::vector<uint8_t> tail;
  PutU32(tail, adler);
  std::vector<uint8_t> end = Chunk("IDAT", tail.data(), tail.size());
  const std::vector<uint8_t> iend = Chunk("IEND", nullptr, 0);
  end.insert(end.end(), iend.begin(), iend.end());
  return write(end) ? Outcome::Written : Outcome::Failed;
}

// Pieces of whole rows of a picture in memory: about kPieceBytes of row data each, at least two
// per core.
RowSource ImageRows(const QImage& picture, size_t rowBytes) {
  const int h = picture.height();
  const size_t total = (rowBytes + 1) * static_cast<size_t>(h);
  const int pieces = std::clamp(static_cast<int>(total / kPieceBytes) + 1, std::min(h, Cores() * 2), h);
  RowSource s;
  s.size = picture.size();
  s.alpha = picture.hasAlphaChannel();
  s.pieces = pieces;
  s.top = [=](int p) { return static_cast<int>(int64_t{h} * p / pieces); };
  s.rows = [=](int p) { return static_cast<int>(int64_t{h} * (p + 1) / pieces) - static_cast<int>(int64_t{h} * p / pieces); };
  const QImage* image = &picture;
  const auto top = s.top, rows = s.rows;
  s.draw = [image, top, rows](int p, QImage&) {
    return QImage(image->constScanLine(top(p)), image->width(), rows(p), image->bytesPerLine(), image->format());
  };
  return s;
}

size_t RowBytesAtMost(int width, bool alpha) { return static_cast<size_t>(width) * (alpha ? 4 : 3); }

}  // namespace

bool EncodePng(const QImage& source, QIODevice& device, PngLayout* layout) {
  if (source.isNull()) return false;
  const bool alpha = source.hasAlphaChannel();
  const QImage picture = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32_Premultiplied
                             ? source
                             : source.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  const std::vector<uint32_t> palette = Palette(picture);
  const size_t rowBytes = palette.empty() ? RowBytesAtMost(picture.width(), alpha) : static_cast<size_t>(picture.width());
  return Encode(ImageRows(picture, rowBytes), palette, device, layout) == Outcome::Written;
}

bool EncodePng(const PictureBands& bands, const std::vector<QRgb>& colours, QIODevice& device, PngLayout* layout) {
  RowSource s;
  s.size = bands.Size();
  s.alpha = bands.Format() == QImage::Format_ARGB32_Premultiplied;
  s.pieces = bands.Count();
  s.top = [&](int p) { return bands.Top(p); };
  s.rows = [&](int p) { return bands.Rows(p); };
  const int width = bands.Size().width(), most = bands.MaxRows();
  s.draw = [&, width, most](int p, QImage& scratch) {
    if (scratch.isNull()) scratch = QImage(width, most, bands.Format());
    QImage band(scratch.bits(), width, bands.Rows(p), scratch.bytesPerLine(), bands.Format());
    bands.Draw(p, band);
    return band;
  };
  const Outcome outcome = Encode(s, colours.size() <= 256 ? colours : std::vector<QRgb>{}, device, layout);
  if (outcome != Outcome::NotInPalette) return outcome == Outcome::Written;
  // A colour nobody expected: the whole picture, and its colours counted.
  QImage picture(bands.Size(), bands.Format());
  if (picture.isNull()) return false;
  for (int b = 0; b < bands.Count(); ++b) {
    QImage band(picture.scanLine(bands.Top(b)), width, bands.Rows(b), picture.bytesPerLine(), bands.Format());
    bands.Draw(b, band);
  }
  return EncodePng(picture, device, layout);
}

QByteArray EncodePng(const QImage& picture, PngLayout* layout) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!EncodePng(picture, buffer, layout)) return {};
  return bytes;
}

}  // namespace exporting
