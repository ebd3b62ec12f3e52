#pragma once
#include <QPointer>
#include <QWidget>

#include "DrawSnap.h"
#include "Figure.h"

class TCanvasSurface;

// The outline of the closed figure that the end of a line or arrow being drawn snaps to, traced
// over the canvas while the pointer is in reach. One per canvas, made on first use; it lets every
// press through and is never part of the diagram.
class OutlineHighlight : public QWidget {
  Q_OBJECT
 public:
  // Hidden over the canvas; the canvas makes its own (TCanvasSurface::Highlight).
  explicit OutlineHighlight(QWidget* surface);
  static OutlineHighlight* Of(TCanvasSurface* surface);

  // Traces the figure's outline; a figure without an id hides the highlight.
  void Show(const connectors::Figure& figure);
  void Hide() { Show({}); }
  // The figure traced, or none.
  connectors::FigureId Shown() const { return isVisible() ? shown_.id : nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  connectors::Figure shown_;
};

class Diagram;

// Where an end of a line or arrow drawn at p on the diagram goes: onto the outline of a closed
// figure within reach (the figure is named), or p itself.
connectors::OutlineSnap SnapOnCanvas(const Diagram& diagram, QPoint p);
