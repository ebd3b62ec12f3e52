#pragma once
#include <vector>

#include "Attachments.h"
#include "Figure.h"
#include "Outline.h"

namespace connectors {

// What follows when the moving figures (a selection: one figure or a group) start to move or
// change size, found through the spatial query, one query per moving closed figure:
// - a line or arrow end that belongs to a moving figure: inside it, on its outline or within
//   reach of it. An end near several figures belongs to one: the figures whose outline it is on
//   or near come before those that merely hold it deep inside, then the topmost; so an arrow end
//   on a box inside a large container rectangle belongs to the box;
// - a label whose box lies wholly inside a moving figure's box and above it; a label inside
//   several figures belongs to the topmost of those below it, so a label on a box that lies on a
//   large container stays with the box.
// An end or label follows only when the figure it belongs to is moving. Lines, arrows and labels
// that are themselves moving are left out: they move as members of the selection.
Attachments FindAttachments(const std::vector<Figure>& moving, const FigureQuery& query,
                            double reach = kAttachReach);

}  // namespace connectors
