#pragma once
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "DiagramTexts.h"
#include "TextMatcher.h"

// Find and Replace over a diagram's texts. Nothing here changes a figure: replacing gives the
// new texts, and the caller applies them (as one undo step).
namespace find {

// Every hit in the texts, in their order and left to right within each.
std::vector<Hit> FindAll(std::span<const DiagramText> texts, const TextMatcher& matcher);

// A place between hits: a text's index and a position in it.
struct Place {
  size_t text = 0;
  qsizetype position = 0;
};
inline Place PlaceOf(const Hit& hit) { return {hit.text, hit.start}; }
// Just before the start of a text: the next hit from here may be at its very start.
inline Place BeforeText(size_t text) { return {text, -1}; }

// A step from hit to hit: the index of the hit reached, and whether it went round the end (or,
// going back, the start) to get there.
struct Step {
  size_t hit = 0;
  bool wrapped = false;
};
// The first hit that starts after the place; past the last one, the first of all. None without
// hits.
std::optional<Step> NextHit(std::span<const Hit> hits, Place after);
// The last hit that starts before the place; before the first one, the last of all.
std::optional<Step> PreviousHit(std::span<const Hit> hits, Place before);

// The new text of one figure.
struct Replacement {
  uint64_t figure = 0;
  QString text;
  bool operator==(const Replacement&) const = default;
};

// The hit's text with the hit replaced, or none when the text there no longer matches (the text
// changed since it was found): a stale hit is never written over.
std::optional<Replacement> ReplaceHit(std::span<const DiagramText> texts, const Hit& hit, const TextMatcher& matcher,
                                      const QString& with);

struct ReplaceAllResult {
  std::vector<Replacement> texts;  // in the texts' order; only those that changed
  int count = 0;                   // hits replaced, those replaced by the same text included
};
// Every hit replaced in one pass: what a replacement brings in is not searched again.
ReplaceAllResult ReplaceAll(std::span<const DiagramText> texts, const TextMatcher& matcher, const QString& with);

}  // namespace find
