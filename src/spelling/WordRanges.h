#pragma once
#include <QString>
#include <vector>

// The words of a text that spell checking looks at.
namespace spelling {

class SpellChecker;

// A word's place in its text, in UTF-16 code units of the QString.
struct WordRange {
  qsizetype start = 0;
  qsizetype length = 0;
  bool operator==(const WordRange&) const = default;
};

// The words to check, left to right, by Unicode's word boundaries ("don't" and "Straße" are one
// word each): runs holding a letter, but not those with a digit ("2nd", "A4", "ID42"), nor any
// within a web address or mail address ("https://…", "www.…", "name@host.org").
std::vector<WordRange> WordsToCheck(const QString& text);

// The words to check that the checker finds misspelled.
std::vector<WordRange> Misspelled(const QString& text, const SpellChecker& checker);

}  // namespace spelling
