#pragma once
#include <QDockWidget>
#include <QImage>
#include <QPointer>
#include <QTimer>

class TScrollBox;
class TwinKedrinFile;

// The whole diagram drawn small with the visible part as a rectangle; a press or a drag scrolls
// the document so that the point under the pointer is in the middle of its window.
class OverviewView : public QWidget {
  Q_OBJECT
 public:
  explicit OverviewView(QWidget* parent = nullptr);
  void SetDocument(TwinKedrinFile* document);

  // The canvas rectangle the overview shows, and where it is drawn in the widget.
  QRect Shown() const;
  QRectF Placement() const;
  // The canvas point under a point of the overview.
  QPointF CanvasPointAt(QPointF point) const;

  QSize sizeHint() const override { return {220, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TScrollBox* Box() const;
  // The figures changed: redrawn a moment later, at most a few times a second.
  void Stale();
  void Redraw();
  void ScrollTo(QPointF point);

  QPointer<TwinKedrinFile> document_;
  QList<QMetaObject::Connection> connections_;
  QImage picture_;  // the figures at the placement, redrawn only after edits
  QRect pictureShows_;
  QTimer later_;
};

// View > Overview: a dock holding the overview of the active document.
class OverviewDock : public QDockWidget {
  Q_OBJECT
 public:
  explicit OverviewDock(QWidget* parent);
  OverviewView* View() const { return view_; }
  void SetDocument(TwinKedrinFile* document) { view_->SetDocument(document); }

 private:
  OverviewView* view_;
};
