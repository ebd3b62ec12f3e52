#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// The font names of an SVG file as a viewer reads them.
namespace svgfonts {

// Each font-family="NAME" of the SVG text with the generic family after it, for a viewer that
// lacks the font: "NAME, monospace" for a fixed-pitch family, "NAME, sans-serif" for any other;
// a name that CSS cannot read unquoted (a word starting with a digit, say) is quoted.
QByteArray WithGenericFamilies(const QByteArray& svg, const std::function<bool(const QString& family)>& fixedPitch);

}  // namespace svgfonts
