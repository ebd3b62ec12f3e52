#pragma once
#include <QString>

class TwinKedrinFile;

// The Arrange menu's commands on a document's selection: align to the group's bounding box,
// distribute with equal gaps, make the same size as the largest.
enum class ArrangeCommand {
  AlignLeft,
  AlignCentre,
  AlignRight,
  AlignTop,
  AlignMiddle,
  AlignBottom,
  DistributeHorizontally,
  DistributeVertically,
  MakeSameWidth,
  MakeSameHeight,
  MakeSameSize,
};

constexpr ArrangeCommand kArrangeCommands[] = {
    ArrangeCommand::AlignLeft,      ArrangeCommand::AlignCentre,           ArrangeCommand::AlignRight,
    ArrangeCommand::AlignTop,       ArrangeCommand::AlignMiddle,           ArrangeCommand::AlignBottom,
    ArrangeCommand::DistributeHorizontally, ArrangeCommand::DistributeVertically,
    ArrangeCommand::MakeSameWidth,  ArrangeCommand::MakeSameHeight,        ArrangeCommand::MakeSameSize,
};

// The command's name, as its menu item and its undo step show it ("Align Left").
QString ArrangeCommandText(ArrangeCommand command);
// How many selected figures the command needs to do anything: two, three to distribute.
int ArrangeMinimumSelection(ArrangeCommand command);

// Moves or sizes the selected figures, their frames following, as one step of the document's
// history named after the command. Nothing happens (and false comes back) with too few figures
// selected, during a drag, or when every figure is already in place.
bool ArrangeSelection(TwinKedrinFile& document, ArrangeCommand command);
