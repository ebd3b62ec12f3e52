#include "FileNames.h"

namespace filenames {

QString Extension(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
  const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
  if (dot < 0 || dot < slash) return QString();
  return fileName.mid(dot);
}

SaveKind KindOf(const QString& fileName) {
  const QString ext = Extension(fileName).toLower();
  if (ext == kBitmapExt) return SaveKind::Bitmap;
  if (ext == kJpegExt || ext == QLatin1String(".jpeg")) return SaveKind::Jpeg;
  if (ext == QLatin1String(".png") || ext == QLatin1String(".svg") || ext == QLatin1String(".pdf"))
    return SaveKind::ExportOnly;
  return SaveKind::Diagram;
}

}  // namespace filenames
