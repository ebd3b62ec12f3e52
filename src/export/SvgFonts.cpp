#include "SvgFonts.h"

#include <QRegularExpression>
#include <QStringList>

namespace svgfonts {

namespace {

// CSS reads a family name unquoted when each word of it is an identifier: no digit (or hyphen and
// digit) first, nothing but letters, digits, hyphens, underscores and non-ASCII characters.
bool CssReadsUnquoted(const QString& family) {
  for (const QString& w : family.split(QLatin1Char(' '))) {
    if (w.isEmpty() || w[0].isDigit() || (w[0] == QLatin1Char('-') && (w.size() < 2 || w[1].isDigit()))) return false;
    for (QChar c : w)
      if (c.unicode() < 0x80 && !c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_')) return false;
  }
  return true;
}

}  // namespace

QByteArray WithGenericFamilies(const QByteArray& svg, const std::function<bool(const QString& family)>& fixedPitch) {
  static const QRegularExpression attribute(QStringLiteral("font-family=\"([^\"]*)\""));
  const QString text = QString::fromUtf8(svg);
  QString out;
  out.reserve(text.size() + text.size() / 16);
  qsizetype from = 0;
  for (QRegularExpressionMatchIterator it = attribute.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const QString family = m.captured(1);
    const QString named = CssReadsUnquoted(family) ? family : QLatin1Char('\'') + family + QLatin1Char('\'');
    out += QStringView(text).mid(from, m.capturedStart() - from);
    out += QStringLiteral("font-family=\"%1, %2\"").arg(named, fixedPitch(family) ? QStringLiteral("monospace") : QStringLiteral("sans-serif"));
    from = m.capturedEnd();
  }
  out += QStringView(text).mid(from);
  return out.toUtf8();
}

}  // namespace svgfonts
