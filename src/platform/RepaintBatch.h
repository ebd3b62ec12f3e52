#pragma once
#include <QByteArray>
#include <QPointer>
#include <QRect>
#include <functional>

class QPainter;
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

// Paints a control that is repainted unchanged again and again (a group of figures dragged in
// view repaints every one of them at each step) by copying the picture it drew last. key stands
// for everything the drawing reads; draw paints the whole control on the painter it is given, as
// its paint event would. A picture is kept from the second paint with the same key and size on,
// only where the painter draws pixels one to one, and while all kept pictures fit a fixed memory
// budget. Returns false, having painted nothing, where no picture is kept: the caller draws.
bool PaintKept(QWidget* control, QPainter& painter, const QByteArray& key,
               const std::function<void(QPainter&)>& draw);
// Drops the control's kept picture (when it is destroyed).
void ForgetKept(const QWidget* control);
// The bytes all kept pictures take.
qint64 KeptBytes();

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
