#pragma once
#include <span>
#include <vector>

#include "DiagramDiff.h"
#include "FigureValue.h"

// The newer version of a diagram with its changes marked, as figures for the picture code:
// what was added drawn green, what was removed as red dotted ghosts at its old place (below
// everything), a moved step's old outline as a faint dotted ghost with a faint line from its old
// centre to its new one, and retexted or restyled ones outlined in orange (above everything).
namespace diagramdiff {

// Mark colours (colour values: red in the low byte).
constexpr TColor kAddedColour = 0x00A000;    // green
constexpr TColor kRemovedColour = 0x0000E0;  // red
constexpr TColor kTraceColour = 0xB0B0B0;    // light grey
constexpr TColor kChangedColour = 0x008CFF;  // orange

// Ids 1, 2, ... bottom first.
std::vector<figures::Figure> MarkedFigures(std::span<const figures::Figure> before, std::span<const figures::Figure> after,
                                           const Comparison& comparison);

}  // namespace diagramdiff
