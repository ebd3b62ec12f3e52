#include "TextMatcher.h"

namespace find {

namespace {

// A word character in Unicode's sense; marks too, so a search never ends inside "é" written as
// "e" and a combining accent.
const QString kWordChar = QStringLiteral("[\\w\\p{M}]");

}  // namespace

TextMatcher::TextMatcher(const QString& pattern, FindOptions options) : empty_(pattern.isEmpty()) {
  QString source = QRegularExpression::escape(pattern);
  if (options.wholeWord) source = "(?<!" + kWordChar + ")" + source + "(?!" + kWordChar + ")";
  QRegularExpression::PatternOptions flags = QRegularExpression::UseUnicodePropertiesOption;
  if (!options.matchCase) flags |= QRegularExpression::CaseInsensitiveOption;
  expression_ = QRegularExpression(source, flags);
  expression_.optimize();
}

void TextMatcher::Matches(const QString& text, size_t index, std::vector<Hit>& out) const {
  if (empty_) return;
  QRegularExpressionMatchIterator it = expression_.globalMatch(text);
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    out.push_back({index, m.capturedStart(), m.capturedLength()});
  }
}

bool TextMatcher::MatchesAt(const QString& text, qsizetype start, qsizetype length) const {
  if (empty_ || start < 0 || length < 0 || start > text.size() || length > text.size() - start) return false;
  // Matched at the place within the whole text, so that whole words see their neighbours.
  const QRegularExpressionMatch m =
      expression_.match(text, start, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
  return m.hasMatch() && m.capturedStart() == start && m.capturedLength() == length;
}

}  // namespace find
