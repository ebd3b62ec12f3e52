#pragma once
#include <QRect>
#include <cstdint>
#include <memory>
#include <vector>

#include "LabelPlacement.h"

class Diagram;
class TCustomKDTool;

// The labels of connectors that follow a move or resize of shapes: found when it starts, each
// moved as its connector's middle moves after every step of it, so that "yes" and "no" stay
// beside their arrows.
class ConnectorLabelFollowing {
 public:
  // What follows the moving figures; none when no connector label does.
  static std::unique_ptr<ConnectorLabelFollowing> Find(Diagram& diagram, const std::vector<TCustomKDTool*>& moving);

  // The labels that follow.
  std::vector<TCustomKDTool*> Labels() const;
  // Puts every label where its connector's present course puts it.
  void Step();

 private:
  struct Follower {
    QRect start;
    semantics::LabelFollower link;
  };
  ConnectorLabelFollowing(Diagram& diagram, std::vector<Follower> followers);

  Diagram& diagram_;
  std::vector<Follower> followers_;
};
