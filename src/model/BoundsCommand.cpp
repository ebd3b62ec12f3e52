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

BoundsCommand::BoundsCommand(Diagram& figures, Kind kind, std::vector<uint64_t> moved, QPoint delta, const QString& text)
    : figures_(figures), kind_(text.isEmpty() ? kind : Kind::Move), moved_(std::move(moved)), delta_(delta) {
  setText(text.isEmpty() ? CountedText(VerbOf(kind), moved_.size()) : text);
}

int BoundsCommand::id() const { return kind_ == Kind::Nudge ? undoids::kNudge : -1; }

std::vector<uint64_t> BoundsCommand::Ids() const {
  if (changes_.empty()) return moved_;
  std::vector<uint64_t> ids;
  ids.reserve(changes_.size());
  for (const Change& c : changes_) ids.push_back(c.id);
  return ids;
}

std::vector<BoundsCommand::Change> BoundsCommand::AsChanges() const {
  if (!changes_.empty()) return changes_;
  std::vector<Change> changes;
  changes.reserve(moved_.size());
  for (uint64_t id : moved_)
    if (const TCustomKDTool* f = figures_.Find(id)) changes.push_back({id, f->BoundsRect().translated(-delta_), f->BoundsRect()});
  return changes;
}

bool BoundsCommand::mergeWith(const QUndoCommand* other) {
  auto* next = dynamic_cast<const BoundsCommand*>(other);
  if (!next || next->kind_ != Kind::Nudge || next->FigureCount() != FigureCount()) return false;
  if (!followers_.empty() || !next->followers_.empty()) return false;
  if (changes_.empty() && next->changes_.empty()) {
    // Two moves by a distance each: one move by their sum.
    if (moved_ != next->moved_) return false;
    delta_ += next->delta_;
    setObsolete(delta_.isNull());
    return true;
  }
  if (Ids() != next->Ids()) return false;
  // One of the two moved its figures by boxes (one met the canvas's edge): both are held as boxes.
  // The figures are where the next one put them.
  if (changes_.empty()) {
    std::vector<Change> mine;
    mine.reserve(moved_.size());
    for (const Change& c : next->AsChanges()) mine.push_back({c.id, c.before.translated(-delta_), c.after});
    changes_ = std::move(mine);
    moved_.clear();
    delta_ = {};
  } else {
    const std::vector<Change> theirs = next->AsChanges();
    if (theirs.size() != changes_.size()) return false;
    for (size_t i = 0; i < changes_.size(); ++i) changes_[i].after = theirs[i].after;
  }
  bool changed = false;
  for (const Change& c : changes_) changed = changed || c.after != c.before;
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
  std::vector<TCustomKDTool*> moved;
  if (changes_.empty()) {
    // Looked up once, to be moved and then selected: an undo of a nudge of 100,000 figures.
    moved = figures_.Find(moved_);
    const QPoint delta = after ? delta_ : -delta_;
    if (!delta.isNull()) {
      std::vector<TControlLayer::BoundsChange> changes;
      changes.reserve(moved.size());
      for (TCustomKDTool* f : moved) {
        const QRect b = f->BoundsRect();
        changes.push_back({f, TCustomControl::LimitedBounds(int64_t{b.x()} + delta.x(), int64_t{b.y()} + delta.y(),
                                                            b.width(), b.height())});
      }
      figures_.SetBoundsOfMany(changes);
    }
  } else {
    std::vector<Diagram::Bounds> bounds;
    bounds.reserve(changes_.size());
    for (const Change& c : changes_) {
      const QRect& r = after ? c.after : c.before;
      bounds.push_back({c.id, TCustomControl::LimitedBounds(r.x(), r.y(), r.width(), r.height())});
    }
    figures_.SetBounds(bounds);
    moved.reserve(changes_.size());
    for (const Change& c : changes_)
      if (TCustomKDTool* f = figures_.Find(c.id)) moved.push_back(f);
  }
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
