#pragma once
#include <QByteArray>
#include <QString>

class QImage;
class QIODevice;

// Picture files of a diagram. Each file is written whole or not at all (wholefile::Write): a failed
// export leaves an earlier file of the same name as it was. Failures raise its errors ("Cannot
// create file %s", "Cannot write file %s: REASON").
namespace picturefiles {

// Windows bitmap, at the colour depth Qt's writer gives the picture's format.
void WriteBmp(const QImage& picture, const QString& fileName);

// Baseline JPEG through libjpeg: its defaults with quality 90 (baseline-compatible tables),
// floating-point DCT, three RGB components, not progressive.
void WriteJpeg(const QImage& picture, const QString& fileName);
// The same encoding onto an open device; false when the device refused the data or libjpeg
// failed.
bool EncodeJpeg(const QImage& picture, QIODevice& device);

}  // namespace picturefiles
