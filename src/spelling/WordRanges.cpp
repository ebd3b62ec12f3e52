#include "WordRanges.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <algorithm>

#include "SpellChecker.h"

namespace spelling {

namespace {

// Web and mail addresses, up to the next white space.
const QRegularExpression& Addresses() {
  static const QRegularExpression re(QStringLiteral("(?:\\b[a-z][a-z0-9+.-]*://|\\bwww\\.)\\S+|[^\\s@]+@[^\\s@]+\\.[^\\s@]+"),
                                     QRegularExpression::CaseInsensitiveOption |
                                         QRegularExpression::UseUnicodePropertiesOption);
  return re;
}

}  // namespace

std::vector<WordRange> WordsToCheck(const QString& text) {
  std::vector<WordRange> skipped;
  for (auto it = Addresses().globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    skipped.push_back({m.capturedStart(), m.capturedLength()});
  }
  std::vector<WordRange> words;
  QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text);
  size_t nextSkip = 0;
  qsizetype start = 0;
  for (qsizetype end = finder.toNextBoundary(); end != -1; start = end, end = finder.toNextBoundary()) {
    const QStringView run = QStringView(text).mid(start, end - start);
    if (!std::any_of(run.begin(), run.end(), [](QChar c) { return c.isLetter(); })) continue;
    if (std::any_of(run.begin(), run.end(), [](QChar c) { return c.isDigit(); })) continue;
    while (nextSkip < skipped.size() && skipped[nextSkip].start + skipped[nextSkip].length <= start) ++nextSkip;
    if (nextSkip < skipped.size() && skipped[nextSkip].start < end) continue;
    words.push_back({start, end - start});
  }
  return words;
}

std::vector<WordRange> Misspelled(const QString& text, const SpellChecker& checker) {
  std::vector<WordRange> wrong;
  for (const WordRange& w : WordsToCheck(text))
    if (!checker.IsCorrect(text.mid(w.start, w.length))) wrong.push_back(w);
  return wrong;
}

}  // namespace spelling
