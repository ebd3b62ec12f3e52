#include "DiagramSpelling.h"

namespace spelling {

std::vector<Misspelling> CheckTexts(std::span<const find::DiagramText> texts, const SpellChecker& checker) {
  std::vector<Misspelling> found;
  for (const find::DiagramText& t : texts)
    for (const WordRange& w : Misspelled(t.text, checker)) found.push_back({t.figure, w, t.text.mid(w.start, w.length)});
  return found;
}

}  // namespace spelling
