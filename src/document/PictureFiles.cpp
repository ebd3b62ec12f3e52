#include "PictureFiles.h"

#include <QImage>
#include <QImageWriter>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "WholeFile.h"

namespace picturefiles {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return; it jumps back to the
// encoding function, and no C++ object lives in the frames it leaves.
struct JpegErrors {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1); }
void JpegQuiet(j_common_ptr) {}

// Compressed bytes go straight to the device in large blocks.
struct JpegDeviceDest {
  jpeg_destination_mgr pub;
  QIODevice* device;
  JOCTET buffer[64 * 1024];
};

void JpegInitDest(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<JpegDeviceDest*>(cinfo->dest);
  dest->pub.next_output_byte = dest->buffer;
  dest->pub.free_in_buffer = sizeof dest->buffer;
}

boolean JpegEmptyBuffer(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<JpegDeviceDest*>(cinfo->dest);
  if (dest->device->write(reinterpret_cast<const char*>(dest->buffer), sizeof dest->buffer) !=
      static_cast<qint64>(sizeof dest->buffer))
    cinfo->err->error_exit(reinterpret_cast<j_common_ptr>(cinfo));
  dest->pub.next_output_byte = dest->buffer;
  dest->pub.free_in_buffer = sizeof dest->buffer;
  return TRUE;
}

void JpegTermDest(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<JpegDeviceDest*>(cinfo->dest);
  const qint64 n = static_cast<qint64>(sizeof dest->buffer - dest->pub.free_in_buffer);
  if (n > 0 && dest->device->write(reinterpret_cast<const char*>(dest->buffer), n) != n)
    cinfo->err->error_exit(reinterpret_cast<j_common_ptr>(cinfo));
}

// The part that libjpeg may leave by a jump: everything it touches is set up by the caller.
bool Setup(jpeg_compress_struct& cinfo, JpegErrors& errors, JDIMENSION width, JDIMENSION height) {
  if (setjmp(errors.jump)) return false;
  jpeg_create_compress(&cinfo);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  cinfo.dct_method = JDCT_FLOAT;
  return true;
}

bool Encode(jpeg_compress_struct& cinfo, JpegErrors& errors, const QImage& rgb32, std::vector<JSAMPLE>& row) {
  if (setjmp(errors.jump)) return false;
  jpeg_start_compress(&cinfo, TRUE);
  const int width = rgb32.width();
  while (cinfo.next_scanline < cinfo.image_height) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb32.constScanLine(static_cast<int>(cinfo.next_scanline)));
    JSAMPLE* out = row.data();
    for (int x = 0; x < width; ++x) {
      const QRgb p = line[x];
      *out++ = static_cast<JSAMPLE>(qRed(p));
      *out++ = static_cast<JSAMPLE>(qGreen(p));
      *out++ = static_cast<JSAMPLE>(qBlue(p));
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  return true;
}

}  // namespace

bool EncodeJpeg(const QImage& picture, QIODevice& device) {
  if (picture.isNull()) return false;
  const QImage rgb32 = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
  std::vector<JSAMPLE> row(static_cast<size_t>(rgb32.width()) * 3);
  jpeg_compress_struct cinfo{};
  JpegErrors errors{};
  cinfo.err = jpeg_std_error(&errors.pub);
  errors.pub.error_exit = JpegErrorExit;
  errors.pub.output_message = JpegQuiet;
  auto dest = std::make_unique<JpegDeviceDest>();
  dest->device = &device;
  dest->pub.init_destination = JpegInitDest;
  dest->pub.empty_output_buffer = JpegEmptyBuffer;
  dest->pub.term_destination = JpegTermDest;

  bool ok = Setup(cinfo, errors, static_cast<JDIMENSION>(rgb32.width()), static_cast<JDIMENSION>(rgb32.height()));
  if (ok) {
    cinfo.dest = &dest->pub;
    ok = Encode(cinfo, errors, rgb32, row);
  }
  jpeg_destroy_compress(&cinfo);
  return ok;
}

void WriteJpeg(const QImage& picture, const QString& fileName) {
  wholefile::Write(fileName, [&](QIODevice& file) { return EncodeJpeg(picture, file); });
}

void WriteBmp(const QImage& picture, const QString& fileName) {
  wholefile::Write(fileName, [&](QIODevice& file) { return QImageWriter(&file, "bmp").write(picture); });
}

}  // namespace picturefiles
