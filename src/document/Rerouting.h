#pragma once
#include <QObject>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "EditListener.h"
#include "LabelPlacement.h"
#include "RerouteCommand.h"

class Diagram;
class TCustomKDTool;
class TwinKedrinFile;

// Chains of lines ending in an arrow laid along new routes: what an edit's end and a paste share.
namespace rerouting {

// A label that follows a connector, where it was when the edit or paste began.
struct ChainLabel {
  QRect start;
  semantics::LabelFollower link;
};

// What laying chains did: each figure's shape before and after, the segments left over (still in
// the diagram), the lines added in the chain's pen, and the arrows of the chains laid anew.
struct LaidChains {
  std::vector<RerouteCommand::Change> changes;
  std::vector<TCustomKDTool*> removed, added;
  std::vector<uint64_t> rerouted;
};

// Refits each chain (source first, the arrow last) to its route, with as many segments as the
// route needs; a chain without a route (null) stays as it is.
LaidChains LayChains(TwinKedrinFile& document, const std::vector<std::vector<TCustomKDTool*>>& chains,
                     const std::vector<const std::vector<QPoint>*>& routes);
// The labels of the chains laid anew go beside them as they run now; their changes are added.
void FollowLabels(Diagram& d, const std::vector<ChainLabel>& labels, const std::vector<uint64_t>& rerouted,
                  std::vector<RerouteCommand::Change>& changes);

}  // namespace rerouting

// Elbow connectors routed again around the shapes when a move, nudge or resize of shapes ends
// with View > Keep Connectors and Labels Attached on: during the drag they only follow (cheap);
// on release each one with an end on a shape that moved takes the orthogonal router's route
// (src/routing) with as many segments as it needs, its label beside it, in the edit's one undo
// step. The document's edit calls it (KedrinUnits.cpp); edits nest (lanes laid again within a move).
class Rerouting : public QObject {
  Q_OBJECT
 public:
  // The document's own, made on first use.
  static Rerouting& Of(TwinKedrinFile& document);

  // A move, resize or nudge begins: `moving` is what moves (the labels that follow excepted);
  // `count` and `label` name the step as the edit does.
  void Begin(TEditKind kind, const std::vector<TCustomKDTool*>& moving, size_t count, const QString& label);
  // The edit is about to be recorded: whether it is one begun here (then AfterEnd follows). Opens
  // the step as a macro when a connector's shape has moved.
  bool BeforeEnd();
  // After the edit's own record: the connectors routed again, recorded in the same step.
  void AfterEnd();

 private:
  explicit Rerouting(TwinKedrinFile& document);

  struct Chain {
    std::vector<uint64_t> segments;  // source first; the arrow last
    uint64_t source = 0, target = 0;
    QRect sourceStart, targetStart;
    bool square = false;   // one level or upright arrow: routed only where it no longer is
    bool crossed = false;  // neither shape moved, but a moved shape now lies across it
  };
  struct Open {
    std::vector<Chain> chains;
    std::vector<rerouting::ChainLabel> labels;
    std::vector<uint64_t> moved;  // the shapes that move (frames aside)
    QString text;
    bool ending = false, macro = false;
    // Whether this is a chart of elbow connectors (the setting, and a chain of segments in the
    // diagram), where an arrow of one level or upright run is one that needed no bend: where a
    // move leaves it slanted, it is routed as the others are. A drawing of straight arrows keeps
    // them straight. Asked once, and only when such an arrow is there: it walks the diagram.
    bool SquareRuns(const Diagram& d) const;
    mutable std::optional<bool> square;
  };
  // Routes the chains that moved; the labels of those that changed go beside them again.
  void Reroute(const Open& open);
  // The connectors between shapes that stayed whose runs a moved shape now lies across.
  std::vector<Chain> Crossed(const Open& open) const;

  TwinKedrinFile& document_;
  std::vector<Open> opens_;  // innermost last
};
