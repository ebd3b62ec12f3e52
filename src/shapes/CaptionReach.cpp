#include "CaptionReach.h"

#include <QStringList>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

namespace {
QString Paragraphs(const QString& caption) {
  QString text = caption;
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
}
}  // namespace

int CaptionLinesAtMost(const QString& caption) {
  int lines = 0;
  for (const QString& paragraph : Paragraphs(caption).split(QChar('\n'))) {
    ++lines;
    // A wrapped line ends only where a line may break.
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, paragraph);
    while (breaks.toNextBoundary() > 0)
      if (breaks.position() < paragraph.size()) ++lines;
  }
  return lines;
}

QMargins CaptionReach(const QString& caption, const TFontDesc& font, int boxWidth, int boxHeight) {
  if (caption.isEmpty()) return {};
  // Font heights are pixels, or cell heights a little over the pixels (see ToQFont).
  const double pixels = std::clamp(std::abs(static_cast<double>(font.height)), 11.0, 4096.0);
  const double lineHeight = 2.0 * pixels + 4;
  int lines = 0;
  qsizetype longestRun = 0;
  for (const QString& paragraph : Paragraphs(caption).split(QChar('\n'))) {
    ++lines;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, paragraph);
    qsizetype start = 0;
    while (breaks.toNextBoundary() > 0) {
      longestRun = std::max(longestRun, breaks.position() - start);
      start = breaks.position();
      if (breaks.position() < paragraph.size()) ++lines;
    }
    longestRun = std::max(longestRun, paragraph.size() - start);
  }
  const double below = lines * lineHeight - boxHeight;
  const double side = (static_cast<double>(longestRun) * 2.0 * pixels - boxWidth) / 2.0;
  const int cap = 1 << 20;
  const int down = static_cast<int>(std::clamp(std::ceil(below), 0.0, double(cap)));
  const int across = static_cast<int>(std::clamp(std::ceil(side), 0.0, double(cap)));
  return QMargins(across, 0, across, down);
}
