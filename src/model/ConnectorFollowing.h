#pragma once
#include <QHash>
#include <QRect>
#include <cstdint>
#include <memory>
#include <vector>

#include "Attachments.h"
#include "ArrowHeads.h"
#include "Figure.h"
#include "Follow.h"
#include "SidePoints.h"
#include "ShapeGeometry.h"
#include "ShapeTypes.h"

class Diagram;
class TCustomKDTool;

// What following may change of a line, arrow or label: its box and, for lines and arrows, the
// course and the heads, for arrows also the heads' rates (a rebuilt straight arrow keeps its
// head whole). All of it goes into the undo step of the drag.
struct FollowerShape {
  QRect box;
  TArrowDirection direction = adTopToBottom;
  TArrowPosition heads = apRight;
  uint16_t thicknessRate = 0;   // arrows only; 0 for lines and labels
  uint16_t headLengthRate = 0;
  bool operator==(const FollowerShape&) const = default;
};
FollowerShape ShapeOf(const TCustomKDTool& figure);
// Puts the shape onto the figure; a shape it already has changes nothing.
void ApplyShape(TCustomKDTool& figure, const FollowerShape& shape);

// A figure widget as the connector arithmetic sees it (its class's outline, its box in canvas
// pixels, its place in the stacking order).
connectors::Figure DescribeFigure(const TCustomKDTool& figure, int stacking);

// The diagram's figures in a box, described, for the connector arithmetic's queries.
connectors::FigureQuery QueryOf(const Diagram& diagram);

// The lines, arrows and labels that follow one move or resize of figures of a diagram: found when
// it starts, put in place after every step of it.
class ConnectorFollowing {
 public:
  // What follows the targets; none when nothing does.
  static std::unique_ptr<ConnectorFollowing> Find(const Diagram& diagram, const std::vector<TCustomKDTool*>& targets);

  // Puts every follower where the targets' present boxes put it.
  void Step();
  // The figures that follow, connectors first.
  const std::vector<TCustomKDTool*>& Followers() const { return followers_; }
  // The elbow connectors that follow: their segments source first, and their shapes.
  struct ElbowLink {
    std::vector<TCustomKDTool*> segments;
    TCustomKDTool* source = nullptr;
    TCustomKDTool* target = nullptr;
  };
  std::vector<ElbowLink> ElbowLinks() const;
  // The arrows of one level or upright run between two shapes that follow as straight lines: in
  // a chart of elbow connectors they are elbow connectors that needed no bend. As ElbowLinks,
  // the arrow the one segment, from the shape without the head to the one it enters.
  std::vector<ElbowLink> SquareLinks() const;

 private:
  // A straight line or arrow whose ends both lie on closed shapes, at least one of them moving:
  // laid anew between them (RebuildStraight) rather than stretched.
  struct Between {
    size_t link;               // in found_.connectors
    connectors::Figure tail;   // the shape at the end without the head (a line's start)
    connectors::Figure head;   // the shape the head enters (a line's end)
    bool tailMoves = false, headMoves = false;
    geom::ArrowStyle style;    // the arrow's head when the drag started
  };

  // An elbow connector (ElbowChains.h) with a shape that moves: routed anew at every step. Its
  // segments keep their number: a route of fewer runs is cut into as many (SegmentsInto); one of
  // more runs leaves the segments following as lone lines and arrows do.
  struct Elbow {
    std::vector<connectors::Figure> segments;  // as they were at the start
    std::vector<int> links;                    // each segment's place in found_.connectors, or -1
    connectors::Figure source, target;
    bool sourceMoves = false, targetMoves = false;
    connectors::Side from = connectors::Side::Right, to = connectors::Side::Left;
    int lineWidth = 2;
    connectors::ArrowRates rates;
  };

  ConnectorFollowing(const Diagram& diagram, connectors::Attachments found);
  void FindBetween(const std::vector<TCustomKDTool*>& targets);
  void StepElbow(const Elbow& elbow, const connectors::Followers& now);

  const Diagram& diagram_;
  connectors::Attachments found_;
  std::vector<Between> between_;
  std::vector<Elbow> elbows_;
  std::vector<char> inElbow_;  // per found_.connectors: laid by an elbow
  std::vector<TCustomKDTool*> followers_;
};
