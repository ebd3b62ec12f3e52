#pragma once
#include <QRect>
#include <QSize>
#include <optional>

#include "Item.h"

// Typing a container's title: where it goes, inside the title band at the frame's top-left,
// rather than centred as a shape's text.
namespace textedit {

struct TitlePlace {
  const semantics::Item* frame = nullptr;
  const semantics::Item* title = nullptr;  // none: still to be made
};

// The container whose title typing into the figure edits: the figure is a container's frame or
// its title. A rectangle is a container when it encloses a shape, is a lane of a pool, or has
// its title where this editor puts one (kTitleInset from its left edge): an empty lane and an
// emptied container keep their titles in place. None for everything else.
std::optional<TitlePlace> TitlePlaceOf(const semantics::Item& figure, const semantics::ItemQuery& query);
// The same for a frame known to be a container (one just made, enclosing nothing yet).
TitlePlace TitlePlaceOfFrame(const semantics::Item& frame, const semantics::ItemQuery& query);

// The width a title's lines break at inside the frame.
int TitleRoom(const QRect& frame);
// The box the editor lies in over the title: at the title's place, as wide as the room.
QRect TitleEditArea(const QRect& frame, int lineHeight);
// A typed title's label: at the frame's top-left inside the band, as large as its text.
QRect TitleLabelBox(const QRect& frame, QSize text);

}  // namespace textedit
