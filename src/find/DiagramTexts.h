#pragma once
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

#include "Item.h"

namespace find {

// One text of a diagram: the label that holds it and its caption.
struct DiagramText {
  uint64_t figure = 0;
  QString text;
};

// Every text of the diagram in reading order (ReadingOrder of the labels' boxes; labels at the
// same place bottom first): each label with a caption, whether it is a shape's text, a
// connector's label, a container's title or a loose label, since only labels draw text. Other
// kinds keep a caption they never show and are left out.
std::vector<DiagramText> DiagramTexts(std::span<const semantics::Item> items);

// The index of the figure's text among the texts, or -1.
qsizetype TextIndexOf(std::span<const DiagramText> texts, uint64_t figure);

}  // namespace find
