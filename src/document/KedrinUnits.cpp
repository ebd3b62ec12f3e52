// Figures taken as units while View > Keep Connectors and Labels Attached is on: the edits that
// take a shape's text and its connectors along, the selection that Shift and Ctrl add to, and the
// typing of texts into figures.
#include <algorithm>

#include "BoundsCommand.h"
#include "ContainerEditing.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "Focus.h"
#include "KDTools.h"
#include "LabelFollowing.h"
#include "Rerouting.h"
#include "SelectionUnits.h"
#include "TextEditSession.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {
bool Moves(TEditKind kind) { return kind == TEditKind::Move || kind == TEditKind::Resize || kind == TEditKind::Nudge; }

void SortByStacking(const Diagram& diagram, std::vector<TCustomKDTool*>& figures) {
  std::sort(figures.begin(), figures.end(), [&](const TCustomKDTool* a, const TCustomKDTool* b) {
    return diagram.StackIndexOf(a) < diagram.StackIndexOf(b);
  });
}
}  // namespace

void TwinKedrinFile::EditStarted(TEditKind kind, const std::vector<TCustomKDTool*>& targets) { BeginEdit(kind, targets); }

void TwinKedrinFile::BeginEdit(TEditKind kind, const std::vector<TCustomKDTool*>& targets, const QString& label) {
  removedWith_.clear();
  labelFollowing_.reset();
  if (selectionunits::On() && !history_->Replaying()) {
    if (kind == TEditKind::Delete) {
      // A container goes with what it encloses.
      const std::vector<TCustomKDTool*> removed =
          selectionunits::Removed(*diagram_, ContainerEditing::Of(*this).Deleting(targets));
      for (TCustomKDTool* f : removed)
        if (std::find(targets.begin(), targets.end(), f) == targets.end()) removedWith_.push_back(diagram_->IdOf(f));
      history_->Begin(kind, removed, label);
      return;
    }
    // What containers among the targets enclose moves with them, recorded in the same step.
    std::vector<TCustomKDTool*> all = targets;
    if (Moves(kind))
      for (TCustomKDTool* f : ContainerEditing::Of(*this).Begin(kind, targets)) all.push_back(f);
    if (Moves(kind)) Rerouting::Of(*this).Begin(kind, all, targets.size(), label);
    if (Moves(kind) && (labelFollowing_ = ConnectorLabelFollowing::Find(*diagram_, all)))
      for (TCustomKDTool* l : labelFollowing_->Labels()) all.push_back(l);
    if (all.size() != targets.size()) {
      // Named after what the user moved, not after what went along.
      const QString name = label.isEmpty() ? CountedText(kind == TEditKind::Resize ? QT_TRANSLATE_NOOP("Undo", "Resize") : QT_TRANSLATE_NOOP("Undo", "Move"), targets.size()) : label;
      history_->Begin(kind, all, name);
      return;
    }
  }
  history_->Begin(kind, targets, label);
}

void TwinKedrinFile::FollowStep() {
  if (!history_) return;
  if (selectionunits::On()) ContainerEditing::Of(*this).Step();
  history_->FollowStep();
  if (labelFollowing_) labelFollowing_->Step();
}

void TwinKedrinFile::EditEnded() {
  // A frame's edit may end as the window goes (its figures freed after the history): nothing is
  // left to record it in.
  if (!history_) return;
  // What the frames did not delete themselves goes in the same step.
  for (uint64_t id : std::vector<uint64_t>(std::move(removedWith_)))
    if (TCustomKDTool* f = diagram_->Find(id)) SendMessage(f, WM_DELETECOMP);
  removedWith_.clear();
  if (labelFollowing_) {
    FollowStep();
    labelFollowing_.reset();
  }
  const bool units = selectionunits::On() && !history_->Replaying();
  const bool reroute = Rerouting::Of(*this).BeforeEnd();
  if (units) ContainerEditing::Of(*this).BeforeEnd();
  history_->End();
  if (units) ContainerEditing::Of(*this).AfterEnd();
  if (reroute) Rerouting::Of(*this).AfterEnd();
}

bool TwinKedrinFile::EditTextOf(TCustomKDTool* figure, const QString& typed) {
  if (!figure || DragInProgress()) return false;
  return textEditing_->Open(figure, typed);
}

bool TwinKedrinFile::EditSelectedText() {
  const std::vector<TCustomKDTool*> selected = SelectedFigures();
  if (selected.size() != 1) return false;
  return EditTextOf(selected.front());
}

void TwinKedrinFile::ToggleInSelection(TCustomKDTool* figure) {
  if (!figure || DragInProgress()) return;
  const std::vector<TCustomKDTool*> heads = selectionunits::Heads(*diagram_, {figure});
  if (heads.empty()) return;
  TCustomKDTool* head = heads.front();
  std::vector<TCustomKDTool*> selection = selectionunits::Heads(*diagram_, SelectedFigures());
  const auto in = std::find(selection.begin(), selection.end(), head);
  if (in != selection.end()) selection.erase(in);
  else selection.push_back(head);
  if (selection.empty()) {
    focus::SetFocus(Surface());
    return;
  }
  SortByStacking(*diagram_, selection);
  diagram_->Select(selection);
}

void TwinKedrinFile::AddNextBandTo(const std::vector<TCustomKDTool*>& figures) { bandBase_ = diagram_->IdsOf(figures); }

std::vector<TCustomKDTool*> TwinKedrinFile::TakeBandBase() {
  std::vector<TCustomKDTool*> base = diagram_->Find(bandBase_);
  bandBase_.clear();
  return base;
}

std::vector<TCustomKDTool*> TwinKedrinFile::CarriedFigures() const {
  const std::vector<TCustomKDTool*> selected = SelectedFigures();
  if (!selectionunits::On()) return selected;
  return selectionunits::Carried(*diagram_, selectionunits::Heads(*diagram_, selected));
}
