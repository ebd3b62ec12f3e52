#pragma once
#include <QObject>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <optional>
#include <vector>

#include "EditListener.h"

class TCustomKDTool;
class TwinKedrinFile;

// What containers and lanes do while figures are moved, resized and deleted with View > Keep
// Connectors and Labels Attached on: a container takes what it encloses along; a resize stops at
// its members; a lane resized or outgrown lays its pool's lanes again; a shape dropped into a
// rectangle beneath it is brought above it. The document's edit calls it (KedrinUnits.cpp) and
// everything it does goes into the edit's one undo step.
class ContainerEditing : public QObject {
  Q_OBJECT
 public:
  // The document's own, made on first use.
  static ContainerEditing& Of(TwinKedrinFile& document);

  // An edit begins: the figures that go with the targets (to be recorded with them).
  std::vector<TCustomKDTool*> Begin(TEditKind kind, const std::vector<TCustomKDTool*>& targets);
  // What a Delete of the targets takes: the targets, and the contents of the containers among them.
  std::vector<TCustomKDTool*> Deleting(const std::vector<TCustomKDTool*>& targets);
  // A step of the edit put the targets somewhere: the contents go with their containers.
  void Step();
  // The edit ends: a resize is held to its members; what has to follow in the same undo step
  // after the edit's own change is found (BeforeEnd) and done (AfterEnd).
  void BeforeEnd();
  void AfterEnd();

  // Moves lanes to new boxes as one edit (their titles with their corners, their contents with
  // their place across the pool), with the connectors and labels that follow.
  void LayLanes(const std::vector<TCustomKDTool*>& lanes, const std::vector<QRect>& boxes, bool rows,
                const QString& label);
  // While one is alive, edits are the document's own: nothing is added to them.
  class Plain {
   public:
    explicit Plain(ContainerEditing& e) : e_(e) { ++e_.plain_; }
    ~Plain() { --e_.plain_; }
    Plain(const Plain&) = delete;
    Plain& operator=(const Plain&) = delete;

   private:
    ContainerEditing& e_;
  };

 private:
  explicit ContainerEditing(TwinKedrinFile& document);

  struct Placed {
    uint64_t id;
    QRect start;
  };
  struct Carry {
    uint64_t frame;
    QPoint start;
    std::vector<Placed> contents;
  };
  struct LaneFit {
    std::vector<uint64_t> lanes;
    std::vector<QRect> boxes;
    bool rows = true;
  };
  struct Open {
    TEditKind kind = TEditKind::Move;
    std::vector<uint64_t> targets;  // bottom first
    std::vector<Carry> carries;
    std::vector<uint64_t> moved;  // targets and contents
    // A resize of one rectangle.
    uint64_t resized = 0;
    QRect resizedStart, members;
    std::optional<Placed> title;
    // The pool the resized rectangle is a lane of, as it was.
    std::vector<uint64_t> pool;
    std::vector<QRect> poolStart;
    bool rows = true;
    size_t lane = 0;
    std::vector<LaneFit> fits;
    bool macro = false;
    bool refit = false;
  };
  // Shapes dropped into a rectangle beneath them, brought above it: one restack; whether any is.
  bool Lift(const Open& open, bool apply);
  // The lanes that grow to hold the moved shapes that lie partly beyond them.
  std::vector<LaneFit> Fits(const Open& open);

  TwinKedrinFile& document_;
  std::optional<Open> open_;
  int plain_ = 0;
};
