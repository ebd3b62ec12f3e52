#include "ExportFormat.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace exporting {

QString ExtensionOf(Format format) {
  switch (format) {
    case Format::Png: return QStringLiteral(".png");
    case Format::Svg: return QStringLiteral(".svg");
    case Format::Pdf: return QStringLiteral(".pdf");
    case Format::Bmp: return QStringLiteral(".bmp");
    case Format::Jpeg: return QStringLiteral(".jpg");
    case Format::Mermaid: return QStringLiteral(".mmd");
    case Format::Dot: return QStringLiteral(".gv");
    case Format::Drawio: return QStringLiteral(".drawio");
  }
  return {};
}

QString FilterOf(Format format) {
  switch (format) {
    case Format::Png: return QCoreApplication::translate("ExportFormat", "PNG picture (*.png)");
    case Format::Svg: return QCoreApplication::translate("ExportFormat", "SVG drawing (*.svg)");
    case Format::Pdf: return QCoreApplication::translate("ExportFormat", "PDF document (*.pdf)");
    case Format::Bmp: return QCoreApplication::translate("ExportFormat", "Bitmap (*.bmp)");
    case Format::Jpeg: return QCoreApplication::translate("ExportFormat", "JPEG picture (*.jpg *.jpeg)");
    case Format::Mermaid: return QCoreApplication::translate("ExportFormat", "Mermaid flowchart (*.mmd)");
    case Format::Dot: return QCoreApplication::translate("ExportFormat", "Graphviz DOT graph (*.gv *.dot)");
    case Format::Drawio: return QCoreApplication::translate("ExportFormat", "draw.io diagram (*.drawio)");
  }
  return {};
}

QStringList Filters() {
  QStringList filters;
  for (Format f : kAllFormats) filters << FilterOf(f);
  return filters;
}

std::optional<Format> FormatOfFilter(const QString& filter) {
  for (Format f : kAllFormats)
    if (FilterOf(f) == filter) return f;
  return std::nullopt;
}

std::optional<Format> FormatOfName(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("jpeg")) return Format::Jpeg;
  if (suffix == QLatin1String("mermaid")) return Format::Mermaid;
  if (suffix == QLatin1String("dot")) return Format::Dot;
  for (Format f : kAllFormats)
    if (QStringLiteral(".") + suffix == ExtensionOf(f)) return f;
  return std::nullopt;
}

QString KeyOf(Format format) { return ExtensionOf(format).mid(1); }

std::optional<Format> FormatOfKey(const QString& key) {
  for (Format f : kAllFormats)
    if (KeyOf(f) == key) return f;
  return std::nullopt;
}

Target ResolveTarget(const QString& typed, Format filterFormat) {
  const QString name = typed.trimmed();
  if (const std::optional<Format> named = FormatOfName(name)) return {name, *named};
  return {name + ExtensionOf(filterFormat), filterFormat};
}

}  // namespace exporting
