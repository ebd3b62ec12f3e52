#pragma once
#include <QString>

// The extension decides what a save does: ".bmp" and ".jpg" export the canvas picture, any other
// name gets a diagram. Extensions are compared in any letter case.
namespace filenames {

inline const QString kUntitled = QStringLiteral("Noname.kdl");
inline const QString kDiagramExt = QStringLiteral(".kdl");
inline const QString kBitmapExt = QStringLiteral(".bmp");
inline const QString kJpegExt = QStringLiteral(".jpg");

// The part of the name from the last '.' after the last '/', dot included; empty when there is
// none.
QString Extension(const QString& fileName);

enum class SaveKind {
  Diagram,     // a .kdl file, or a name whose extension names no picture
  Bitmap,      // .bmp
  Jpeg,        // .jpg or .jpeg
  ExportOnly,  // .png, .svg or .pdf: pictures that only the Export command writes
};
// What saving under the name writes.
SaveKind KindOf(const QString& fileName);

}  // namespace filenames
