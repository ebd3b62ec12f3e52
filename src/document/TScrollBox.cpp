#include "TScrollBox.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <cmath>

#include "DragScroller.h"
#include "Control.h"
#include "GridPainter.h"
#include "GuideOverlay.h"
#include "OutlineHighlight.h"
#include "QtConvert.h"
#include "ZoomMapping.h"

TCanvasSurface::TCanvasSurface(QWidget* parent) : TControlCanvas(parent) {
  setProperty("canvasColor", QColor(Qt::white));
}

OutlineHighlight* TCanvasSurface::Highlight() {
  if (!highlight_) highlight_ = new OutlineHighlight(this);
  return highlight_;
}

GuideOverlay* TCanvasSurface::Guides() {
  if (!guides_) guides_ = new GuideOverlay(this);
  return guides_;
}

namespace {
QSize Scaled(QSize canvas, double zoom) {
  return QSize(zoommap::ToWidget(canvas.width(), zoom), zoommap::ToWidget(canvas.height(), zoom));
}

QSize ViewportOf(const QWidget* surface) {
  auto* area = qobject_cast<QScrollArea*>(surface->parentWidget() ? surface->parentWidget()->parentWidget() : nullptr);
  return area ? area->viewport()->size() : QSize(0, 0);
}
}  // namespace

void TCanvasSurface::EnsureContains(const QRect& rect) {
  const QSize reach(std::max(extent_.width(), rect.x() + rect.width()), std::max(extent_.height(), rect.y() + rect.height()));
  if (reach == extent_) return;
  extent_ = reach;
  ShowExtent();
}

void TCanvasSurface::ShowExtent() {
  // The widget shows the extent at the zoom; at another zoom than 100 % it also fills the
  // visible area without the canvas growing for it.
  const QSize shown = Scaled(extent_, Zoom()).expandedTo(Zoom() == 1.0 ? QSize(0, 0) : ViewportOf(this));
  if (shown == size()) return;
  showingExtent_ = true;
  resize(shown);
  showingExtent_ = false;
}

void TCanvasSurface::FillViewport() {
  // At 100 % the canvas grows to what the window has shown of it.
  if (Zoom() == 1.0) resize(size().expandedTo(ViewportOf(this)));
  else ShowExtent();
}

void TCanvasSurface::Refit() {
  const QSize viewport = ViewportOf(this);
  QSize size(static_cast<int>(viewport.width() / Zoom()), static_cast<int>(viewport.height() / Zoom()));
  for (TCustomControl* c : Content().Controls()) {
    if (c->isHidden()) continue;
    const QRect b = c->BoundsRect();
    size = size.expandedTo(QSize(b.x() + b.width(), b.y() + b.height()));
  }
  extent_ = size;
  ShowExtent();
}

void TCanvasSurface::SetZoom(double zoom) {
  if (zoom == Zoom()) return;
  SetCanvasZoom(zoom);
  ShowExtent();
  FillViewport();
  emit ZoomChanged(zoom);
}

void TCanvasSurface::ControlJoined(TCustomControl* control) {
  TControlCanvas::ControlJoined(control);
  if (control->Kind() == TCustomControl::LayerKind::Content) EnsureContains(control->BoundsRect());
}

void TCanvasSurface::ControlMoved(TCustomControl* control, const QRect&) {
  if (control->Kind() == TCustomControl::LayerKind::Content) EnsureContains(control->BoundsRect());
}

void TCanvasSurface::ControlsMoved(const TControlLayer& layer, const QRect& united) {
  if (&layer == ContentLayer()) EnsureContains(united);
}

bool TCanvasSurface::FillsSurface(const QObject* child) const {
  for (const QPointer<QWidget>& f : fillers_)
    if (f == child) return true;
  return false;
}

void TCanvasSurface::childEvent(QChildEvent* event) {
  if (event->added()) {
    if (auto* w = qobject_cast<QWidget*>(event->child()); w && w->property("fillsParent").toBool()) {
      fillers_.emplace_back(w);
      w->setGeometry(rect());
    }
  }
  QWidget::childEvent(event);
}

void TCanvasSurface::resizeEvent(QResizeEvent* event) {
  // Grown from outside (the scroll box's visible area, a drag at its edge): the canvas keeps
  // what it has shown.
  if (!showingExtent_) {
    const QSize canvas(static_cast<int>(std::ceil(width() / Zoom())), static_cast<int>(std::ceil(height() / Zoom())));
    if (Zoom() == 1.0) extent_ = size();
    else extent_ = extent_.expandedTo(canvas);
  }
  for (const QPointer<QWidget>& f : fillers_)
    if (f) f->setGeometry(rect());
  TControlCanvas::resizeEvent(event);
}

void TCanvasSurface::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && OnEscape && OnEscape()) {
    event->accept();
    return;
  }
  TControlCanvas::keyPressEvent(event);
}

void TCanvasSurface::SetColor(const QColor& color) {
  // A property rather than a palette: a palette would be inherited by every child, and each
  // inheritance asks that child for a repaint of its own.
  setProperty("canvasColor", color);
  update();
}

void TCanvasSurface::PaintBackground(QPainter& p, const QRect& exposed) {
  p.fillRect(exposed, property("canvasColor").value<QColor>());
  PaintCanvasGrid(p, exposed, Zoom());
}

TScrollBox::TScrollBox(QWidget* parent)
    : QScrollArea(parent), surface_(new TCanvasSurface), scroller_(new DragScroller(this)) {
  setWidgetResizable(false);
  setFrameShape(QFrame::StyledPanel);
  setFocusPolicy(Qt::NoFocus);
  setWidget(surface_);
  SetColor(clInfoBk);
}

void TScrollBox::SetColor(TColor color) {
  color_ = color;
  surface_->SetColor(ToQColor(color));
}

QSize TScrollBox::ViewportAtActualSize() const {
  if (surface_->Zoom() == 1.0) return viewport()->size();
  // The scroll bars the canvas would need at 100 %, as the scroll area decides them.
  const QSize canvas = surface_->CanvasSize();
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  QSize view = maximumViewportSize();
  bool across = false, down = false;
  for (int pass = 0; pass < 2; ++pass) {
    across = across || canvas.width() > view.width();
    down = down || canvas.height() > view.height();
    view = maximumViewportSize() - QSize(down ? bar : 0, across ? bar : 0);
  }
  return view;
}

int RevealScroll(int now, int view, int from, int to) {
  // Already wholly in view: no scrolling; otherwise the least that shows it, its start first.
  if (from >= now && to <= now + view) return now;
  if (to - from > view || from < now) return from;
  return to - view;
}

void TScrollBox::Reveal(const QRect& canvasArea) {
  const QRect shown = zoommap::ToWidget(canvasArea, surface_->Zoom());
  QScrollBar* across = horizontalScrollBar();
  QScrollBar* down = verticalScrollBar();
  // The canvas grows to hold the area first, so that the scroll bars can reach it.
  surface_->EnsureContains(canvasArea);
  across->setValue(RevealScroll(across->value(), viewport()->width(), shown.left(), shown.left() + shown.width()));
  down->setValue(RevealScroll(down->value(), viewport()->height(), shown.top(), shown.top() + shown.height()));
}

void TScrollBox::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  surface_->FillViewport();
}
