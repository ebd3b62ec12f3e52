#pragma once
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <functional>

class QAbstractScrollArea;
class QWidget;

// Scrolling while dragging: as long as a drag on a scroll area's contents is under way and the
// pointer is at or past an edge of the visible part, the area scrolls, faster the further the
// pointer is past the edge, growing its contents to the right and bottom when it runs out; after
// each scroll the drag hears of the pointer again, at its new place in the contents.
class DragScroller : public QObject {
  Q_OBJECT
 public:
  // How close to an edge, inside it, the pointer starts the scrolling.
  static constexpr int kEdge = 8;
  static constexpr int kIntervalMs = 25;

  explicit DragScroller(QAbstractScrollArea* area);

  // The scroller of the scroll area that holds w, if any.
  static DragScroller* Of(const QWidget* w);

  // A drag starts; moved runs after each scroll, with the pointer's last global position. A drag
  // that makes room for something (a figure drawn) grows the contents when the scrolling runs
  // out of them; one that only selects scrolls within them.
  void Begin(std::function<void(QPoint globalPointer)> moved, QPoint globalPointer, bool grow = true);
  // Where the pointer is now (each mouse move of the drag).
  void Pointer(QPoint globalPointer);
  void End();
  bool Active() const { return timer_.isActive(); }
  QPoint LastPointer() const { return pointer_; }

  // One scroll step for a pointer against the visible rectangle (both in the same coordinates):
  // nothing inside the edge band; past it, a step that grows with the distance.
  static QPoint Step(const QRect& visible, QPoint pointer);

 private:
  void Tick();

  QPointer<QAbstractScrollArea> area_;
  QTimer timer_;
  QPoint pointer_;
  std::function<void(QPoint)> moved_;
  bool grow_ = true;
};
