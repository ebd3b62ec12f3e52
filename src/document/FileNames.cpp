#include "FileNames.h"

namespace filenames {

QString Extension(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
  const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
  if (dot < 0 || dot < slash) return QString();
  return fileName.mid(dot);
}

}  // namespace filenames
