#include "CellText.h"

#include <QStringList>
#include <QTextDocumentFragment>

namespace drawio {

namespace {

// The lines of a text joined as captions join them, without blank lines at its ends and without
// the blanks that end each line.
std::string JoinLines(const QString& text) {
  QString t = text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
  t.replace(QChar::LineSeparator, QChar('\n')).replace(QChar::ParagraphSeparator, QChar('\n'));
  t.replace(QChar::Nbsp, QChar(' '));
  QStringList lines = t.split(QChar('\n'));
  for (QString& line : lines) {
    while (!line.isEmpty() && line.back().isSpace()) line.chop(1);
  }
  while (!lines.isEmpty() && lines.front().trimmed().isEmpty()) lines.removeFirst();
  while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();
  return lines.join(QStringLiteral("\r\n")).toStdString();
}

}  // namespace

std::string CaptionOfValue(const QString& value, bool html) {
  if (!html) return JoinLines(value);
  // Nothing to reduce: the text is its own (draw.io still breaks its lines at line feeds).
  if (!value.contains(QChar('<')) && !value.contains(QChar('&'))) return JoinLines(value);
  QString source = value;
  source.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\n'), QStringLiteral("<br>"));
  return JoinLines(QTextDocumentFragment::fromHtml(source).toPlainText());
}

}  // namespace drawio
