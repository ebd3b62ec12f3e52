#pragma once
#include <QPointer>
#include <QRect>

class QWidget;

// Repaints of controls are gathered into one rectangle per parent and requested from the parent
// once per turn of the event loop. Qt keeps every widget that asked for a repaint of its own in
// a list whose processing is quadratic in its length (each entry is checked against all its
// siblings), so moving, showing or restyling thousands of figures would otherwise stall.
namespace repaint {

// Repaints the control's area (or part of it, in its own coordinates) soon.
void Invalidate(QWidget* control);
void Invalidate(QWidget* control, const QRect& localRect);
// Requests the gathered repaints now.
void Flush();

}  // namespace repaint

// Showing many children of one parent: while it lasts, Qt's check of which widget lies under the
// pointer (a walk over every sibling, done for each child shown) is skipped by holding the mouse
// on the parent, and the repaints are gathered.
class BulkShow {
 public:
  explicit BulkShow(QWidget* parent);
  ~BulkShow();
  BulkShow(const BulkShow&) = delete;
  BulkShow& operator=(const BulkShow&) = delete;

 private:
  QPointer<QWidget> grabbed_;
};
