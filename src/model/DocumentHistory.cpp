#include "DocumentHistory.h"

#include <QScopedValueRollback>

#include "BoundsCommand.h"
#include "BusyCursor.h"
#include "ConnectorOptions.h"
#include "DocumentCommand.h"
#include "CustomKDTool.h"
#include "FigureSetCommand.h"

namespace {
// At least the last thousand steps; each holds only what it changed.
constexpr int kUndoLimit = 1000;

}  // namespace

DocumentHistory::DocumentHistory(Diagram& figures) : figures_(figures), digest_(figures_) {
  stack_.setUndoLimit(kUndoLimit);
  QObject::connect(&stack_, &QUndoStack::indexChanged, &stack_, [this](int index) { IndexChanged(index); });
  savedDigest_ = digest_.Current();
}

DocumentHistory::~DocumentHistory() {
  // The stack clears itself as it goes and reports it: nobody may listen by then.
  QObject::disconnect(&stack_, nullptr, nullptr, nullptr);
}

void DocumentHistory::IndexChanged(int) { differs_ = digest_.Current() != savedDigest_; }

size_t DocumentHistory::ForgetTouched(const QUndoCommand* command) {
  if (!command) return 0;
  size_t touched = 0;
  if (auto* c = dynamic_cast<const DocumentCommand*>(command)) {
    digest_.Forget(c->Touched());
    touched = c->FigureCount();
  }
  // A macro (one step made of several, as Auto Layout makes) touches what its parts touch.
  for (int i = 0; i < command->childCount(); ++i) touched += ForgetTouched(command->child(i));
  return touched;
}

void DocumentHistory::MarkSaved() {
  End();
  stack_.setClean();
  digest_.ForgetAll();
  savedDigest_ = digest_.Current();
  differs_ = false;
}

void DocumentHistory::Begin(TEditKind kind, const std::vector<TCustomKDTool*>& targets, const QString& label) {
  if (replaying_) return;
  if (open_) End();
  Open open{kind, label, {}, {}, {}, {}, {}, {}};
  // One pass over the targets: a nudge of 100,000 figures reads each of them once here.
  open.ids.reserve(targets.size());
  open.bounds.reserve(targets.size());
  for (TCustomKDTool* f : targets) {
    open.ids.push_back(figures_.IdOf(f));
    open.bounds.push_back(f->BoundsRect());
  }
  if (kind == TEditKind::Delete) open.placed = figures_.Snapshot(targets);
  const bool moves = kind == TEditKind::Move || kind == TEditKind::Resize || kind == TEditKind::Nudge;
  if (moves && keepAttached_.value_or(ConnectorOptions::Instance().KeepAttached())) {
    open.following = ConnectorFollowing::Find(figures_, targets);
    if (open.following) {
      const std::vector<TCustomKDTool*>& followers = open.following->Followers();
      open.followerIds = figures_.IdsOf(followers);
      open.followersBefore.reserve(followers.size());
      for (TCustomKDTool* f : followers) open.followersBefore.push_back(ShapeOf(*f));
    }
  }
  open_ = std::move(open);
}

void DocumentHistory::End() {
  if (!open_) return;
  Open open = std::move(*open_);
  open_.reset();
  if (open.kind == TEditKind::Delete) {
    std::vector<Diagram::Placed> gone;
    for (Diagram::Placed& p : open.placed)
      if (!figures_.Find(p.id)) gone.push_back(std::move(p));
    if (gone.empty()) return;
    const QString text = CountedText(open.label.isEmpty() ? QT_TRANSLATE_NOOP("Undo", "Delete") : open.label.toUtf8().constData(), gone.size());
    Push(new FigureSetCommand(figures_, FigureSetCommand::Direction::Remove, std::move(gone), text));
    return;
  }
  // A nudge has no drag steps: its followers go where the targets are now.
  if (open.following) open.following->Step();
  std::vector<BoundsCommand::FollowerChange> followers;
  for (size_t i = 0; i < open.followerIds.size(); ++i) {
    TCustomKDTool* f = figures_.Find(open.followerIds[i]);
    if (!f) continue;
    const FollowerShape now = ShapeOf(*f);
    if (now != open.followersBefore[i]) followers.push_back({open.followerIds[i], open.followersBefore[i], now});
  }
  BoundsCommand::Kind kind = open.kind == TEditKind::Resize ? BoundsCommand::Kind::Resize
                             : open.kind == TEditKind::Nudge ? BoundsCommand::Kind::Nudge
                                                             : BoundsCommand::Kind::Move;
  // A group dragged or nudged as a whole: the step holds the figures and one distance.
  bool translated = true;
  QPoint delta;
  for (size_t i = 0; i < open.ids.size() && translated; ++i) {
    const TCustomKDTool* f = figures_.Find(open.ids[i]);
    if (!f) {
      translated = false;
      break;
    }
    const QRect b = f->BoundsRect(), &was = open.bounds[i];
    if (i == 0) delta = b.topLeft() - was.topLeft();
    translated = b.size() == was.size() && b.topLeft() - was.topLeft() == delta;
  }
  translated = translated && !delta.isNull();
  BoundsCommand* command = nullptr;
  if (translated) {
    command = new BoundsCommand(figures_, kind, std::move(open.ids), delta, open.label);
  } else {
    std::vector<BoundsCommand::Change> changes;
    for (size_t i = 0; i < open.ids.size(); ++i) {
      const TCustomKDTool* f = figures_.Find(open.ids[i]);
      if (f && f->BoundsRect() != open.bounds[i]) changes.push_back({open.ids[i], open.bounds[i], f->BoundsRect()});
    }
    // The followers move only with the targets: nothing else to record when these stayed.
    if (changes.empty()) return;
    // A command of its own (Arrange) names the step; a drag is named by what it did.
    command = open.label.isEmpty() ? new BoundsCommand(figures_, kind, std::move(changes))
                                   : new BoundsCommand(figures_, std::move(changes), open.label);
  }
  command->SetFollowers(std::move(followers));
  Push(command);
}

void DocumentHistory::FollowStep() {
  if (open_ && open_->following && !replaying_) open_->following->Step();
}

void DocumentHistory::RecordAdded(const std::vector<TCustomKDTool*>& figures, const QString& text) {
  if (replaying_ || figures.empty()) return;
  Push(new FigureSetCommand(figures_, FigureSetCommand::Direction::Add, figures_.Snapshot(figures), text));
}

void DocumentHistory::Push(QUndoCommand* command) {
  if (replaying_) {
    delete command;
    return;
  }
  // The step is already done: its figures' fingerprints are stale, also when it merges into the
  // step before or cancels it out.
  ForgetTouched(command);
  stack_.push(command);
}

void DocumentHistory::Undo() {
  if (open_ || !stack_.canUndo()) return;
  QScopedValueRollback guard(replaying_, true);
  BusyCursor busy(ForgetTouched(stack_.command(stack_.index() - 1)));
  stack_.undo();
}

void DocumentHistory::Redo() {
  if (open_ || !stack_.canRedo()) return;
  QScopedValueRollback guard(replaying_, true);
  BusyCursor busy(ForgetTouched(stack_.command(stack_.index())));
  stack_.redo();
}
