#include "BoundsCommand.h"

#include <QCoreApplication>
#include "CustomKDTool.h"
#include "Diagram.h"
#include "UndoIds.h"

QString CountedText(const char* verb, size_t count) {
  const QString text = QCoreApplication::translate("Undo", verb);
  if (count > 1) return QCoreApplication::translate("Undo", "%1 %2 Figures").arg(text).arg(count);
  return text;
}

namespace {
const char* VerbOf(BoundsCommand::Kind kind) { return kind == BoundsCommand::Kind::Resize ? QT_TRANSLATE_NOOP("Undo", "Resize") : QT_TRANSLATE_NOOP("Undo", "Move"); }
}  // namespace

BoundsCommand::BoundsCommand(Diagram& figures, Kind kind, std::vector<Change> changes)
    : figures_(figures), kind_(kind), changes_(std::move(changes)) {
  setText(CountedText(VerbOf(kind), changes_.size()));
}

BoundsCommand::BoundsCommand(Diagram& figures, std::vector<Change> changes, const QString& text)
    : figures_(figures), kind_(Kind::Move), changes_(std::move(changes)) {
  setText(text);
}

int BoundsCommand::id() const { return kind_ == Kind::Nudge ? undoids::kNudge : -1; }

bool BoundsCommand::mergeWith(const QUndoCommand* other) {
  auto* next = dynamic_cast<const BoundsCommand*>(other);
  if (!next || next->kind_ != Kind::Nudge || next->changes_.size() != changes_.size()) return false;
  if (!followers_.empty() || !next->followers_.empty()) return false;
  for (size_t i = 0; i < changes_.size(); ++i)
    if (changes_[i].id != next->changes_[i].id) return false;
  bool changed = false;
  for (size_t i = 0; i < changes_.size(); ++i) {
    changes_[i].after = next->changes_[i].after;
    changed = changed || changes_[i].after != changes_[i].before;
  }
  // Nudged back to where they started: no step at all.
  setObsolete(!changed);
  return true;
}

void BoundsCommand::undo() { Apply(false); }

void BoundsCommand::redo() {
  if (done_) {
    done_ = false;
    return;
  }
  Apply(true);
}

void BoundsCommand::Apply(bool after) {
  // Every figure in one pass: one notice and one repaint, however many figures the step holds.
  std::vector<Diagram::Bounds> bounds;
  bounds.reserve(changes_.size());
  for (const Change& c : changes_) {
    const QRect& r = after ? c.after : c.before;
    bounds.push_back({c.id, TCustomControl::LimitedBounds(r.x(), r.y(), r.width(), r.height())});
  }
  figures_.SetBounds(bounds);
  std::vector<TCustomKDTool*> moved;
  moved.reserve(changes_.size());
  for (const Change& c : changes_)
    if (TCustomKDTool* f = figures_.Find(c.id)) moved.push_back(f);
  for (const FollowerChange& c : followers_)
    if (TCustomKDTool* f = figures_.Find(c.id)) ApplyShape(*f, after ? c.after : c.before);
  figures_.Select(moved);
}

// Bounds are no part of the digest's kept hashes: only the followers' courses and heads are.
std::vector<uint64_t> BoundsCommand::Touched() const {
  std::vector<uint64_t> ids;
  for (const FollowerChange& c : followers_) ids.push_back(c.id);
  return ids;
}
