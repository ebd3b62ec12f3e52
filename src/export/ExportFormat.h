#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The formats a diagram exports to (pictures, and the text of its flowchart), and how file names
// and file-dialog filters name them.
namespace exporting {

enum class Format { Png, Svg, Pdf, Bmp, Jpeg, Mermaid, Dot, Drawio };

constexpr Format kAllFormats[] = {Format::Png,  Format::Svg,     Format::Pdf, Format::Bmp,
                                  Format::Jpeg, Format::Mermaid, Format::Dot, Format::Drawio};

// Mermaid and DOT hold the diagram's graph as text, a draw.io file its shapes and connectors as
// cells: not a picture of it, so no scale or margin.
inline bool IsText(Format format) { return format == Format::Mermaid || format == Format::Dot || format == Format::Drawio; }
// The picture formats that may be drawn smoothly (antialiased); BMP and JPEG stay exact.
inline bool CanBeSmooth(Format format) { return format == Format::Png || format == Format::Svg || format == Format::Pdf; }

// ".png", ".svg", ".pdf", ".bmp", ".jpg", ".mmd", ".gv", ".drawio".
QString ExtensionOf(Format format);
// "PNG picture (*.png)" and so on, in the order of kAllFormats.
QString FilterOf(Format format);
QStringList Filters();
std::optional<Format> FormatOfFilter(const QString& filter);
// By the name's extension, in any letter case (".jpeg", ".mermaid" and ".dot" too); none for any
// other name.
std::optional<Format> FormatOfName(const QString& fileName);
// A short stable name for settings ("png", "svg", ..., "mmd", "gv", "drawio").
QString KeyOf(Format format);
std::optional<Format> FormatOfKey(const QString& key);

// What the user typed, as the file to write: a name whose extension names a format keeps it and
// gives the format; any other name is the filter's format with its extension added.
struct Target {
  QString fileName;
  Format format;
};
Target ResolveTarget(const QString& typed, Format filterFormat);

}  // namespace exporting
