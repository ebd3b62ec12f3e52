#pragma once
#include <QString>

// The extension decides what a save does: ".kdl" writes a diagram, ".bmp" and ".jpg" export a
// picture. Extensions are compared exactly, letter case included.
namespace filenames {

inline const QString kUntitled = QStringLiteral("Noname.kdl");
inline const QString kDiagramExt = QStringLiteral(".kdl");
inline const QString kBitmapExt = QStringLiteral(".bmp");
inline const QString kJpegExt = QStringLiteral(".jpg");

// The part of the name from the last '.' after the last '/', dot included; empty when there is
// none.
QString Extension(const QString& fileName);

}  // namespace filenames
