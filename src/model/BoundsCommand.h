#pragma once
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <vector>

#include "ConnectorFollowing.h"
#include "DocumentCommand.h"

class Diagram;

// A move or resize of figures: a drag of a frame's body or handle, or arrow-key nudges.
// Holds each figure's bounds before and after, or, when every figure moved by the same distance
// (a drag or nudge of a group), only their identities and that distance: a nudge of 100,000
// figures then keeps and compares no boxes. Consecutive nudges of the same figures merge
// into one step. The lines, arrows and labels that followed the figures are part of the same step,
// with their whole shape (a line's course, an arrow's heads) before and after.
class BoundsCommand : public DocumentCommand {
 public:
  struct Change {
    uint64_t id;
    QRect before, after;
  };
  struct FollowerChange {
    uint64_t id;
    FollowerShape before, after;
  };
  enum class Kind { Move, Resize, Nudge };

  BoundsCommand(Diagram& figures, Kind kind, std::vector<Change> changes);
  // A move or resize made by a command that names its own step ("Align Left").
  BoundsCommand(Diagram& figures, std::vector<Change> changes, const QString& text);
  // Every figure moved by the delta, none resized; named by the text when one is given.
  BoundsCommand(Diagram& figures, Kind kind, std::vector<uint64_t> moved, QPoint delta, const QString& text = {});

  void undo() override;
  std::vector<uint64_t> Touched() const override;
  size_t FigureCount() const override { return changes_.size() + moved_.size() + followers_.size(); }
  void redo() override;
  int id() const override;
  bool mergeWith(const QUndoCommand* other) override;

  const std::vector<Change>& Changes() const { return changes_; }
  // The figures of a step that only moved them, and how far; none for any other step.
  const std::vector<uint64_t>& Moved() const { return moved_; }
  QPoint Delta() const { return delta_; }
  // Followers never make a step of their own: they are named by the figures they followed.
  void SetFollowers(std::vector<FollowerChange> followers) { followers_ = std::move(followers); }
  const std::vector<FollowerChange>& Followers() const { return followers_; }

 private:
  void Apply(bool after);
  // The figures in the order the step holds them.
  std::vector<uint64_t> Ids() const;
  // The step as boxes before and after, the figures being where it put them.
  std::vector<Change> AsChanges() const;

  Diagram& figures_;
  Kind kind_;
  std::vector<Change> changes_;
  std::vector<uint64_t> moved_;  // with delta_, when changes_ is empty
  QPoint delta_;
  std::vector<FollowerChange> followers_;
  bool done_ = true;  // pushed after the change was made: the first redo has nothing to do
};

// "Move" for one figure, "Move 12 Figures" for several.
QString CountedText(const char* verb, size_t count);
