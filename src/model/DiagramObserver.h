#pragma once
#include <QRect>

class TCustomKDTool;

// What changed in a diagram and where: one notice per figure and change, sent as the change is
// made. Observers (a document's canvas and window, the overview) keep their work per notice
// small: a drag step of a large group sends one for each figure.
struct DiagramChange {
  enum class Kind {
    Added,      // the figure joined the diagram
    Removed,    // the figure left it (still readable during the notice)
    Moved,      // the figure's box changed from `before`
    Restyled,   // its drawing changed within its box (style, text, outline)
    Restacked,  // the stacking order changed (no figure named)
    Selection,  // the figure was selected or deselected
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
