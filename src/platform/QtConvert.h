#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "FontDesc.h"
#include "Graphics.h"

// Conversions between the editor's value types and Qt's.
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

// The QFont that draws the description: pixel size from the height, style bits, no
// antialiasing. A face the machine lacks falls back through fontconfig; the name stays.
QFont ToQFont(const TFontDesc& font);
// The description of a font chosen in a dialog; colour and character set are the caller's.
TFontDesc FromQFont(const QFont& font, TColor color, uint8_t charset);

inline QString ToQString(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::string ToStd(const QString& s) { return s.toStdString(); }
