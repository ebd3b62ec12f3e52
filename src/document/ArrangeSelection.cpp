#include "ArrangeSelection.h"

#include <QCoreApplication>
#include "Arrange.h"
#include "BoundsCommand.h"
#include "EditListener.h"
#include "CustomKDTool.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "SelectionUnits.h"
#include "TwinKedrinFile.h"

namespace {

std::vector<QRect> Arranged(const std::vector<QRect>& boxes, ArrangeCommand command) {
  using namespace arrange;
  switch (command) {
    case ArrangeCommand::AlignLeft: return Align(boxes, Alignment::Left);
    case ArrangeCommand::AlignCentre: return Align(boxes, Alignment::Centre);
    case ArrangeCommand::AlignRight: return Align(boxes, Alignment::Right);
    case ArrangeCommand::AlignTop: return Align(boxes, Alignment::Top);
    case ArrangeCommand::AlignMiddle: return Align(boxes, Alignment::Middle);
    case ArrangeCommand::AlignBottom: return Align(boxes, Alignment::Bottom);
    case ArrangeCommand::DistributeHorizontally: return Distribute(boxes, Direction::Horizontal);
    case ArrangeCommand::DistributeVertically: return Distribute(boxes, Direction::Vertical);
    case ArrangeCommand::MakeSameWidth: return MakeSameSize(boxes, Dimension::Width);
    case ArrangeCommand::MakeSameHeight: return MakeSameSize(boxes, Dimension::Height);
    case ArrangeCommand::MakeSameSize: return MakeSameSize(boxes, Dimension::Size);
  }
  return boxes;
}

}  // namespace

QString ArrangeCommandText(ArrangeCommand command) {
  switch (command) {
    case ArrangeCommand::AlignLeft: return QCoreApplication::translate("TwinKedrinFile", "Align Left");
    case ArrangeCommand::AlignCentre: return QCoreApplication::translate("TwinKedrinFile", "Align Centre");
    case ArrangeCommand::AlignRight: return QCoreApplication::translate("TwinKedrinFile", "Align Right");
    case ArrangeCommand::AlignTop: return QCoreApplication::translate("TwinKedrinFile", "Align Top");
    case ArrangeCommand::AlignMiddle: return QCoreApplication::translate("TwinKedrinFile", "Align Middle");
    case ArrangeCommand::AlignBottom: return QCoreApplication::translate("TwinKedrinFile", "Align Bottom");
    case ArrangeCommand::DistributeHorizontally: return QCoreApplication::translate("TwinKedrinFile", "Distribute Horizontally");
    case ArrangeCommand::DistributeVertically: return QCoreApplication::translate("TwinKedrinFile", "Distribute Vertically");
    case ArrangeCommand::MakeSameWidth: return QCoreApplication::translate("TwinKedrinFile", "Make Same Width");
    case ArrangeCommand::MakeSameHeight: return QCoreApplication::translate("TwinKedrinFile", "Make Same Height");
    case ArrangeCommand::MakeSameSize: return QCoreApplication::translate("TwinKedrinFile", "Make Same Size");
  }
  return {};
}

int ArrangeMinimumSelection(ArrangeCommand command) {
  return command == ArrangeCommand::DistributeHorizontally || command == ArrangeCommand::DistributeVertically ? 3 : 2;
}

bool ArrangeSelection(TwinKedrinFile& document, ArrangeCommand command) {
  // A frame's drag records its own step when it ends; a change under it would be lost.
  if (document.DragInProgress()) return false;
  const std::vector<TCustomKDTool*> selection = document.SelectedFigures();
  std::vector<TCustomKDTool*> selected = selection;
  // Texts and connectors go with the shapes they belong to, never lined up themselves.
  if (selectionunits::On()) selected = selectionunits::Arranged(document.FigureSet(), selected);
  if (static_cast<int>(selected.size()) < ArrangeMinimumSelection(command)) return false;
  std::vector<QRect> before;
  before.reserve(selected.size());
  for (TCustomKDTool* f : selected) before.push_back(f->BoundsRect());
  const std::vector<QRect> after = Arranged(before, command);

  // Opened as a resize of the selection, so that what is attached to it follows in the same
  // step, as it does for a drag.
  document.BeginEdit(TEditKind::Resize, selected, ArrangeCommandText(command));
  bool changed = false;
  for (size_t i = 0; i < selected.size(); ++i) {
    if (after[i] == before[i]) continue;
    selected[i]->ApplyBounds(after[i].x(), after[i].y(), after[i].width(), after[i].height());
    changed = true;
  }
  if (changed) document.FollowStep();
  document.EditEnded();
  if (!changed) return false;
  // The group keeps its frames, laid over the figures where they are now.
  document.FigureSet().Select(selection);
  return true;
}
