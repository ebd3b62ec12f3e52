#pragma once
#include <span>
#include <vector>

#include "DiagramTexts.h"
#include "WordRanges.h"

// Tools ▸ Check Spelling: every misspelled word of a diagram.
namespace spelling {

class SpellChecker;

struct Misspelling {
  uint64_t figure = 0;  // the label holding the word
  WordRange range;
  QString word;
  bool operator==(const Misspelling&) const = default;
};

// The misspelled words of the texts (find::DiagramTexts: reading order), left to right in each.
std::vector<Misspelling> CheckTexts(std::span<const find::DiagramText> texts, const SpellChecker& checker);

}  // namespace spelling
