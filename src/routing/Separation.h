#pragma once
#include <vector>

#include "ObstacleIndex.h"
#include "RouteTypes.h"

// Routes that share a corridor, moved apart. Each run between two bends of a route may move
// across its own direction (its neighbours stretch or shrink); the first and last runs stay with
// their ports. Runs of one direction that overlap along it and lie closer than the gap across it
// form a group, which is laid out `gap` apart about where it lay, in an order that keeps the
// routes from crossing where the order allows: a run whose end turns off inside another's stretch
// goes to the side it turns to. Each group stays in the free channel about it (clear of every
// box by the clearance, or failing that by two pixels); where even that is too narrow for the
// gap, by half the gap; where not even that fits, the group stays as it was. Level runs are
// separated first, then upright ones.
namespace routing {

void SeparateRuns(std::vector<Route>& routes, const ObstacleIndex& obstacles, const RouteOptions& options = {});

}  // namespace routing
