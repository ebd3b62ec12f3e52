#pragma once
#include <vector>

class TCustomKDTool;
class TwinKedrinFile;

// The Insert and Arrange commands of containers and lanes on a document, each one undo step. They
// work whether View > Keep Connectors and Labels Attached is on or not.
namespace containercommands {

// A container around the selection's units (or an empty one in the middle of the view), beneath
// the lowest of them, selected, its title open for typing (a step of its own).
TCustomKDTool* InsertContainer(TwinKedrinFile& document);
// A pool of lanes (2 to 12) titled "Lane 1", "Lane 2", ... in the middle of the view, beneath
// every figure; the lanes, bottom first.
std::vector<TCustomKDTool*> InsertPool(TwinKedrinFile& document, int count, bool rows);

// The container that is selected, or the innermost one holding the first selected figure.
TCustomKDTool* SelectedContainer(TwinKedrinFile& document);
// Takes the container's rectangle and title away and keeps its contents.
bool RemoveContainer(TwinKedrinFile& document);

enum class LaneEdit { Add, Remove, Earlier, Later };
// Whether the selection is a lane or lies in one, and of which kind of pool (rows or columns).
bool InLane(TwinKedrinFile& document, bool* rows = nullptr);
// Adds a lane after the last, removes the lane with its contents, or moves it one place up
// (left) or down (right); the lanes after close up.
bool EditLanes(TwinKedrinFile& document, LaneEdit edit);

}  // namespace containercommands
