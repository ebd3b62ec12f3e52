#pragma once
#include <QRect>

class TCustomKDTool;

// What changed in a diagram and where: one notice per figure and change, sent as the change is
// made, or one for a change of many figures at once (a group moved, selected or deselected:
// no figure named, `before` the area they covered). Observers keep their work per notice small.
struct DiagramChange {
  enum class Kind {
    Added,      // the figure joined the diagram (no figure: many, read at once)
    Removed,    // the figure left it (still readable during the notice)
    Moved,      // the figure's box changed from `before` (no figure: many, within `before`)
    Restyled,   // its drawing changed within its box (style, text, outline)
    Restacked,  // the stacking order changed (no figure named)
    Selection,  // the figure was selected or deselected (no figure: many at once)
  };
  Kind kind;
  TCustomKDTool* figure = nullptr;
  QRect before;
};

class DiagramObserver {
 public:
  virtual ~DiagramObserver() = default;
  virtual void DiagramChanged(const DiagramChange& change) = 0;
};
