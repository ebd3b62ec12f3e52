#pragma once
#include <QByteArray>
#include <QImage>

#include <QRgb>
#include <vector>

class PictureBands;
class QIODevice;

// PNG files of rendered pictures, made for speed on every core. A picture of at most 256
// colours is written with a palette at the smallest bit depth that holds it (1, 2, 4 or 8 bits),
// with transparency in the palette; others as 8-bit RGB, or RGBA when the picture has an alpha
// channel. Rows are compressed in pieces on all cores and joined into one stream.
namespace exporting {

struct PngLayout {
  bool indexed = false;
  int bitDepth = 8;
  int colours = 0;  // palette entries; 0 for truecolour
};

// Writes the picture onto the device; false when the device refused the data or the picture is
// empty. `layout`, when given, tells how the picture was stored.
bool EncodePng(const QImage& picture, QIODevice& device, PngLayout* layout = nullptr);
QByteArray EncodePng(const QImage& picture, PngLayout* layout = nullptr);

// Draws the picture band by band and encodes each band as it is drawn, on every core, never
// holding the whole picture. `colours` are the pixel values the picture can hold (see
// PossibleColours); empty or more than 256: stored as truecolour. Should a pixel of another
// colour turn up, the whole picture is drawn and its colours counted instead.
bool EncodePng(const PictureBands& bands, const std::vector<QRgb>& colours, QIODevice& device,
               PngLayout* layout = nullptr);

}  // namespace exporting
