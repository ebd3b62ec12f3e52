#pragma once
#include <QRect>
#include <cstdint>
#include <vector>

#include "ConnectorFollowing.h"
#include "DocumentCommand.h"

class Diagram;

// A move or resize of figures: a drag of a frame's body or handle, or arrow-key nudges.
// Holds each figure's bounds before and after. Consecutive nudges of the same figures merge
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

  void undo() override;
  std::vector<uint64_t> Touched() const override;
  size_t FigureCount() const override { return changes_.size() + followers_.size(); }
  void redo() override;
  int id() const override;
  bool mergeWith(const QUndoCommand* other) override;

  const std::vector<Change>& Changes() const { return changes_; }
  // Followers never make a step of their own: they are named by the figures they followed.
  void SetFollowers(std::vector<FollowerChange> followers) { followers_ = std::move(followers); }
  const std::vector<FollowerChange>& Followers() const { return followers_; }

 private:
  void Apply(bool after);

  Diagram& figures_;
  Kind kind_;
  std::vector<Change> changes_;
  std::vector<FollowerChange> followers_;
  bool done_ = true;  // pushed after the change was made: the first redo has nothing to do
};

// "Move" for one figure, "Move 12 Figures" for several.
QString CountedText(const char* verb, size_t count);
