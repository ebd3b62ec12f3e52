#pragma once
#include <QRegularExpression>
#include <QString>
#include <cstddef>
#include <vector>

namespace find {

struct FindOptions {
  bool matchCase = false;
  bool wholeWord = false;  // no letter, digit, underscore or combining mark just before or after
};

// One match in one text: positions in UTF-16 code units of the QString, as text editors count.
struct Hit {
  size_t text = 0;  // index among the texts searched
  qsizetype start = 0;
  qsizetype length = 0;
  bool operator==(const Hit&) const = default;
};

// The literal text searched for with its options. Letters are compared by Unicode's simple case
// folding when case does not matter, letter for letter ("ÄRGER" finds "ärger", "Σ" finds "σ" and
// "ς", but "STRASSE" does not find "Straße"); word boundaries are
// Unicode's, so "Straße" is one word and "C++" is found as a whole word in "C++ code".
class TextMatcher {
 public:
  TextMatcher(const QString& pattern, FindOptions options);

  // An empty pattern matches nothing.
  bool IsEmpty() const { return empty_; }
  // Appends the matches in `text` (the texts' entry `index`), left to right, none overlapping.
  void Matches(const QString& text, size_t index, std::vector<Hit>& out) const;
  // Whether the pattern, with its options, matches exactly [start, start + length) of the text.
  bool MatchesAt(const QString& text, qsizetype start, qsizetype length) const;

 private:
  QRegularExpression expression_;
  bool empty_;
};

}  // namespace find
