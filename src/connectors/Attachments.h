#pragma once
#include <QRect>
#include <vector>

#include "Figure.h"

namespace connectors {

// The moving figure an end or a label follows, with its box when the drag started; no figure:
// that end stays where it is.
struct Anchor {
  FigureId figure = nullptr;
  QRect box;
  explicit operator bool() const { return figure != nullptr; }
  bool operator==(const Anchor&) const = default;
};

// A line or arrow with at least one end following a moving figure, as it was at the start.
struct ConnectorLink {
  Figure connector;
  Anchor start, end;  // its course's start (left or top) end and its other end
  bool operator==(const ConnectorLink&) const = default;
};

struct LabelLink {
  Figure label;
  Anchor anchor;
  bool operator==(const LabelLink&) const = default;
};

// Everything that follows a drag, found once when it starts.
struct Attachments {
  std::vector<ConnectorLink> connectors;
  std::vector<LabelLink> labels;
  bool empty() const { return connectors.empty() && labels.empty(); }
};

}  // namespace connectors
