#pragma once
#include <QImage>
#include <functional>
#include <optional>

#include "Canvas.h"
#include "Control.h"

class QPainter;

// The canvas image: fills the surface beneath every figure, shows its picture with white as
// transparent so the box colour shows through, and reports presses, moves and releases on empty
// canvas. The picture does not exist until its drawing surface is first asked for; it is then
// created white at the image's size and kept at that size.
class TImage : public TCustomControl {
 public:
  // Joins the canvas widget beneath everything on it; the canvas owns it.
  explicit TImage(QWidget* canvas = nullptr);

  LayerKind Kind() const override { return LayerKind::Background; }

  bool HasPicture() const { return picture_.has_value(); }
  // Where the size of a new picture comes from: the visible part of the canvas, as the document
  // sets it (the image itself grows with far-away figures, the picture must not). Without it,
  // the image's own size.
  std::function<QSize()> PictureSizeSource;
  QSize NewPictureSize() const;
  // The picture, created white at the current size on first use.
  QImage& Picture();
  const QImage* PictureIfAny() const { return picture_ ? &*picture_ : nullptr; }
  // Draws on the picture through the GDI-style surface; the changed area is repainted.
  void DrawOnPicture(const std::function<void(Canvas&)>& draw, const QRect& changed);
  // The image's points in canvas pixels: what the mouse handlers receive and the picture is
  // drawn in.
  QPoint GlobalOfCanvasPoint(QPoint canvas) const;
  // The pen, brush and mode the picture's surface keeps between drawings.
  TPen PicturePen;
  TBrush PictureBrush;

  TMouseEvent OnMouseDown;
  std::function<void(TShiftState shift, int x, int y)> OnMouseMove;
  TMouseEvent OnMouseUp;

  void PaintControl(QPainter& painter) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::optional<QImage> picture_;
};
