#pragma once
#include <QHash>
#include <QPointer>
#include <QRect>
#include <cstdint>
#include <vector>

class QWidget;
class TCustomKDTool;
class TwinKedrinFile;

// The figures of one document as the history of its changes sees them: each figure has an
// identity that outlives its widget (a figure deleted and brought back by Undo is the same
// figure, so later steps still apply to it), a place in the stacking order and a record.
class DocumentFigures {
 public:
  explicit DocumentFigures(TwinKedrinFile& document);

  // The figure's identity, given on first use.
  uint64_t IdOf(TCustomKDTool* figure);
  // The figure with that identity on the canvas, or none.
  TCustomKDTool* Find(uint64_t id) const;
  std::vector<uint64_t> IdsOf(const std::vector<TCustomKDTool*>& figures);
  std::vector<TCustomKDTool*> Find(const std::vector<uint64_t>& ids) const;

  // The figure's record as a file holds it.
  static std::vector<uint8_t> RecordOf(const TCustomKDTool& figure);

  // Takes a figure read from a record or a file onto the canvas: the topmost figure, wired to the
  // document, never selected (the record may say it was).
  void Adopt(TCustomKDTool* figure);

  struct Placed {
    uint64_t id;
    int index;  // place in the stacking order, 0 the bottom figure
    std::vector<uint8_t> record;
  };
  // The figures' places and records, bottom first.
  std::vector<Placed> Snapshot(const std::vector<TCustomKDTool*>& figures);
  // Brings figures back from their records, each at its place and under its identity.
  std::vector<TCustomKDTool*> Recreate(const std::vector<Placed>& figures);
  // Takes figures off the canvas for good.
  void Remove(const std::vector<uint64_t>& ids);

  struct Move {
    uint64_t id;
    int index;
  };
  // Puts each figure at its place in the stacking order, lowest place first.
  void Restack(std::vector<Move> moves);

  // Ends any selection, then selects the figures: one figure with its own frame (as a press
  // would, its style shown), several as a rubber band would. A group already selected exactly
  // keeps its frames, laid over the figures again.
  void Select(const std::vector<TCustomKDTool*>& figures);
  // The figures currently selected, bottom first.
  std::vector<TCustomKDTool*> Selected() const;

 private:
  TwinKedrinFile& document_;
  uint64_t nextId_ = 1;
  QHash<uint64_t, QPointer<TCustomKDTool>> figures_;
};
