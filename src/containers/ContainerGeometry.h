#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <span>
#include <unordered_set>

#include "Item.h"

// Where a container goes and how far it may be resized: boxes in canvas pixels, worked out from
// the boxes of what it holds. What is a container at all is the meaning module's (Containers.h).
namespace containers {

// Between a container's edges and its members.
constexpr int kMargin = 16;
// Above the members, for the title inside the top edge (within semantics::kTitleBand).
constexpr int kTitleRoom = 24;
// The title's inset from the container's top-left corner.
constexpr int kTitleInset = 6;
// A container made around nothing.
constexpr QSize kEmptySize{240, 160};

// A new container around the units' bounding box: the margin on every side, the title's room above.
QRect Around(const QRect& units);
// A new empty container centred on the point.
QRect EmptyAt(QPoint centre);
// A new empty container where it covers no figure, kMargin clear of each (so that none becomes
// its member and it meets no rectangle as a lane would): the free place nearest EmptyAt(centre)
// whose corner lies on the grid, never left of or above the canvas's corner.
QRect EmptyNear(QPoint centre, std::span<const semantics::Item> figures, int grid);
// The title label's box inside the container's top edge, at its left, as wide as the text needs
// but never wider than the container's inside.
QRect TitleBox(const QRect& container, QSize text);
// What a resize to `proposed` leaves of a container whose members cover `members` (an empty box:
// none): the proposed box, grown so that every member stays wholly inside with its margin.
QRect ResizeLimit(const QRect& proposed, const QRect& members);

// The rectangle a shape dropped at its present place lies in: the innermost rectangle that holds
// its box wholly, whatever the stacking order, other than the shape itself and the figures that
// moved with it (`moving`, ids); none when it lies in no rectangle. A shape that lies beneath the
// one found is brought just above it, so that it shows and becomes a member.
const semantics::Item* DropInto(std::span<const semantics::Item> items, const semantics::Item& shape,
                                const std::unordered_set<uint64_t>& moving);

}  // namespace containers
