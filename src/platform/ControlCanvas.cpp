#include "ControlCanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "Control.h"
#include "Focus.h"
#include "ZoomMapping.h"

TControlHost* TControlHost::Of(QWidget* widget) { return dynamic_cast<TControlHost*>(widget); }

namespace {
bool smoothDrawing = false;
// Every canvas, so that a change of the drawing repaints them all.
std::vector<TControlCanvas*>& AllCanvases() {
  static std::vector<TControlCanvas*> canvases;
  return canvases;
}
}  // namespace

bool TControlCanvas::SmoothDrawing() { return smoothDrawing; }

void TControlCanvas::SetSmoothDrawing(bool on) {
  if (on == smoothDrawing) return;
  smoothDrawing = on;
  for (TControlCanvas* canvas : AllCanvases()) canvas->update();
}

TControlCanvas::TControlCanvas(QWidget* parent) : QWidget(parent), content_(&ownContent_) {
  background_.SetHost(this);
  ownContent_.SetHost(this);
  overlay_.SetHost(this);
  // A press on the canvas takes the focus, which ends any selection.
  setFocusPolicy(Qt::ClickFocus);
  // Controls show their cursors and frames their sizing cursors as the pointer passes.
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  AllCanvases().push_back(this);
}

TControlCanvas::~TControlCanvas() {
  std::vector<TControlCanvas*>& all = AllCanvases();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
  // The controls go with their layers; a given content layer stays with its owner.
  if (content_ != &ownContent_) content_->SetHost(nullptr);
  FlushReleasedControls();
}

void TControlCanvas::SetContent(TControlLayer* layer) {
  TControlLayer* now = layer ? layer : &ownContent_;
  if (now == content_) return;
  if (content_ != &ownContent_) content_->SetHost(nullptr);
  content_ = now;
  content_->SetHost(this);
  update();
}

TControlLayer* TControlCanvas::LayerFor(const TCustomControl& control) {
  switch (control.Kind()) {
    case TCustomControl::LayerKind::Background: return &background_;
    case TCustomControl::LayerKind::Overlay: return &overlay_;
    case TCustomControl::LayerKind::Content: break;
  }
  return content_;
}

std::vector<TCustomControl*> TControlCanvas::Controls() const {
  std::vector<TCustomControl*> all = background_.Controls();
  const std::vector<TCustomControl*> content = content_->Controls();
  all.insert(all.end(), content.begin(), content.end());
  const std::vector<TCustomControl*>& overlay = overlay_.Ordered();
  all.insert(all.end(), overlay.begin(), overlay.end());
  return all;
}

QRect TControlCanvas::WidgetAreaOf(const QRect& canvas) const {
  if (zoom_ == 1.0) return canvas;
  return zoommap::ToWidget(canvas, zoom_).adjusted(-1, -1, 2, 2);
}

QRect TControlCanvas::CanvasAreaOf(const QRect& widget) const {
  if (zoom_ == 1.0) return widget;
  const QPoint from = zoommap::ToCanvas(QPointF(widget.topLeft()), zoom_);
  const QPoint to = zoommap::ToCanvas(QPointF(widget.x() + widget.width(), widget.y() + widget.height()), zoom_);
  return QRect(from, to).adjusted(-1, -1, 2, 2);
}

void TControlCanvas::SetCanvasZoom(double zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  setProperty("canvasZoom", zoom);
  FitBackground();
  for (TCustomControl* c : Controls()) c->ZoomChanged();
  update();
}

void TControlCanvas::InvalidateCanvasArea(const QRect& canvasArea) {
  // Only what is in view needs painting (what scrolls into view is painted then); the part in view
  // is asked for once until the gathered repaint is requested.
  if (!visibleKnown_) {
    visible_ = visibleRegion().boundingRect();
    visibleKnown_ = true;
    // One repaint request per turn of the event loop: Qt's dirty region would otherwise grow by
    // a rectangle for each of thousands of figures moved in one step.
    if (!flushScheduled_) {
      flushScheduled_ = true;
      QTimer::singleShot(0, this, [this] { FlushDirty(); });
    }
  }
  // A pixel more on each side: pens of zero-size figures, and rounding at a zoom.
  const QRect area = WidgetAreaOf(canvasArea.adjusted(-1, -1, 1, 1)).intersected(visible_);
  if (!area.isEmpty()) dirty_ = dirty_.united(area);
}

void TControlCanvas::FlushDirty() {
  flushScheduled_ = false;
  visibleKnown_ = false;
  if (dirty_.isEmpty()) return;
  update(dirty_);
  dirty_ = QRect();
}

void TControlCanvas::RepaintNow() {
  const QRect area = dirty_;
  dirty_ = QRect();
  visibleKnown_ = false;
  if (!area.isEmpty()) repaint(area);
}

void TControlCanvas::ControlLeft(TCustomControl* control) {
  if (grabber_ == control) grabber_ = nullptr;
  if (pressed_ == control) pressed_ = nullptr;
  if (hovered_ == control) {
    hovered_ = nullptr;
    unsetCursor();
  }
}

void TControlCanvas::GrabMouse(TCustomControl* control) {
  grabber_ = control;
  pressed_ = nullptr;
}

void TControlCanvas::ReleaseMouse(TCustomControl* control) {
  if (grabber_ == control) grabber_ = nullptr;
}

void TControlCanvas::CursorChanged(TCustomControl* control) {
  if (control == hovered_ || control == grabber_) ShowCursorOf(control);
}

void TControlCanvas::ShowCursorOf(TCustomControl* control) {
  const std::optional<Qt::CursorShape> shape = control ? control->Cursor() : std::nullopt;
  if (!shape) unsetCursor();
  else if (cursor().shape() != *shape) setCursor(*shape);
}

namespace {
// The topmost of the controls found (bottom first) whose outline holds the widget point.
TCustomControl* OutlineAt(const std::vector<TCustomControl*>& found, QPoint p) {
  for (auto it = found.rbegin(); it != found.rend(); ++it) {
    TCustomControl* c = *it;
    if (c->Releasing() || c->isHidden()) continue;
    const QRect shown = c->geometry();
    if (shown.contains(p) && c->OutlineContains(p - shown.topLeft())) return c;
  }
  return nullptr;
}
}  // namespace

TCustomControl* TControlCanvas::ControlAt(QPoint p) const {
  const QRect canvasArea = CanvasAreaOf(QRect(p, QSize(1, 1)));
  std::vector<TCustomControl*> found;
  // Frames over figures over the canvas image, each layer from the top down.
  overlay_.Query(canvasArea.adjusted(-4, -4, 4, 4), found);
  if (TCustomControl* c = OutlineAt(found, p)) return c;
  if (TCustomControl* c = ContentAt(p)) return c;
  found.clear();
  background_.Query(canvasArea.adjusted(-4, -4, 4, 4), found);
  return OutlineAt(found, p);
}

TCustomControl* TControlCanvas::ContentAt(QPoint p) const {
  // The reach in canvas pixels, and a pixel more for rounding.
  const int reach = static_cast<int>(std::ceil(kCourseReach / zoom_)) + 1;
  std::vector<TCustomControl*> found;
  content_->Query(CanvasAreaOf(QRect(p, QSize(1, 1))).adjusted(-reach, -reach, reach, reach), found);
  if (TCustomControl* c = OutlineAt(found, p)) return c;
  // The centre of the pixel pressed, in canvas pixels; at 100 % the pixel itself.
  const QPointF canvasPoint((p.x() + 0.5) / zoom_ - 0.5, (p.y() + 0.5) / zoom_ - 0.5);
  TCustomControl* best = nullptr;
  double bestDistance = 0;
  for (auto it = found.rbegin(); it != found.rend(); ++it) {
    TCustomControl* c = *it;
    if (c->Releasing() || c->isHidden()) continue;
    const double d = c->CourseDistance(canvasPoint) * zoom_;
    if (d <= kCourseReach && (!best || d < bestDistance)) {
      best = c;
      bestDistance = d;
    }
  }
  return best;
}

TCustomControl* TControlCanvas::FocusedHere() const {
  TCustomControl* c = focus::FocusedControl(focus::FormOf(this));
  return c && c->parentWidget() == this && !c->Releasing() ? c : nullptr;
}

void TControlCanvas::PaintBackground(QPainter& painter, const QRect& exposed) {
  painter.fillRect(exposed, palette().color(QPalette::Window));
}

void TControlCanvas::PaintLayer(QPainter& painter, const TControlLayer& layer, const QRect& exposed,
                                bool clipToBox, bool smooth) const {
  std::vector<TCustomControl*> found;
  const int overflow = layer.PaintOverflow();
  layer.Query(CanvasAreaOf(exposed).adjusted(-overflow - 2, -overflow - 2, overflow + 2, overflow + 2), found);
  for (TCustomControl* c : found) {
    if (c->isHidden() || c->Releasing()) continue;
    const QRect shown = c->geometry();
    const QRect reach = clipToBox ? shown : WidgetAreaOf(c->PaintReach()).united(shown);
    if (!reach.intersects(exposed)) continue;
    painter.save();
    // The drawing surface each control makes on the painter draws smooth when asked this way.
    if (smooth) painter.setRenderHint(QPainter::Antialiasing);
    if (c->PaintsInCanvasPixels()) {
      // Not clipped to its reach: a clip changes how a scaled thin pen is laid down, and the
      // figure must look as it does in every picture.
      if (zoom_ != 1.0) painter.scale(zoom_, zoom_);
    } else {
      painter.setClipRect(reach.intersected(exposed));
      painter.translate(shown.topLeft());
    }
    c->PaintControl(painter);
    painter.restore();
  }
}

void TControlCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect exposed = event->rect();
  PaintBackground(painter, exposed);
  PaintLayer(painter, background_, exposed, true);
  PaintLayer(painter, *content_, exposed, false, smoothDrawing);
  if (decoration_) {
    painter.save();
    decoration_(painter, exposed);
    painter.restore();
  }
  PaintLayer(painter, overlay_, exposed, true);
}

void TControlCanvas::SetContentDecoration(ContentDecoration decoration) {
  decoration_ = std::move(decoration);
  update();
}

namespace {
// The event as the control sees it: positions in its own widget pixels.
QMouseEvent LocalTo(const TCustomControl& control, const QMouseEvent& e) {
  return QMouseEvent(e.type(), e.position() - QPointF(control.pos()), e.scenePosition(), e.globalPosition(),
                     e.button(), e.buttons(), e.modifiers(), e.pointingDevice());
}
}  // namespace

void TControlCanvas::mousePressEvent(QMouseEvent* event) {
  TCustomControl::SetCurrentMouseGlobalPos(event->globalPosition().toPoint());
  TControlPtr<TCustomControl> target = grabber_ ? grabber_.data() : ControlAt(event->position().toPoint());
  if (!grabber_) {
    // As a click gives the focus: a frame takes it; a press elsewhere gives it to the canvas,
    // which ends the selection, except a right or middle press on a control that keeps it.
    if (target && target->TakesFocusOnClick()) {
      if (!target->hasFocus()) focus::SetFocus(target.data());
    } else if (!target || event->button() == Qt::LeftButton || !target->OtherButtonsKeepFocus()) {
      if (FocusedHere() || !hasFocus()) focus::SetFocus(this);
    }
    pressed_ = target;
  }
  if (!target || target->Releasing()) return;
  QMouseEvent local = LocalTo(*target, *event);
  target->mousePressEvent(&local);
}

void TControlCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is a press as well.
  mousePressEvent(event);
  if (TCustomControl* target = pressed_.data()) {
    QMouseEvent local = LocalTo(*target, *event);
    target->mouseDoubleClickEvent(&local);
  }
}

void TControlCanvas::mouseMoveEvent(QMouseEvent* event) {
  TCustomControl* target = grabber_.data();
  if (!target && event->buttons() != Qt::NoButton) target = pressed_.data();
  if (!target && event->buttons() == Qt::NoButton) {
    TCustomControl* over = ControlAt(event->position().toPoint());
    if (over != hovered_) hovered_ = over;
    if (over && over->HoverTracking()) {
      QMouseEvent local = LocalTo(*over, *event);
      over->mouseMoveEvent(&local);
    }
    ShowCursorOf(hovered_.data());
    return;
  }
  if (!target || target->Releasing()) return;
  QMouseEvent local = LocalTo(*target, *event);
  target->mouseMoveEvent(&local);
}

void TControlCanvas::mouseReleaseEvent(QMouseEvent* event) {
  TCustomControl* target = grabber_ ? grabber_.data() : pressed_.data();
  if (event->buttons() == Qt::NoButton) pressed_ = nullptr;
  if (!target || target->Releasing()) return;
  QMouseEvent local = LocalTo(*target, *event);
  target->mouseReleaseEvent(&local);
}

void TControlCanvas::leaveEvent(QEvent* event) {
  hovered_ = nullptr;
  QWidget::leaveEvent(event);
}

void TControlCanvas::keyPressEvent(QKeyEvent* event) {
  if (TCustomControl* c = FocusedHere()) {
    c->keyPressEvent(event);
    return;
  }
  QWidget::keyPressEvent(event);
}

bool TControlCanvas::focusNextPrevChild(bool next) {
  if (FocusedHere()) return false;
  return QWidget::focusNextPrevChild(next);
}

void TControlCanvas::FitBackground() {
  // In canvas pixels, enough to cover every widget pixel.
  const QSize canvas(static_cast<int>(std::ceil(width() / zoom_)), static_cast<int>(std::ceil(height() / zoom_)));
  for (TCustomControl* c : background_.Ordered()) c->SetBoundsRect(QRect(QPoint(0, 0), canvas));
}

void TControlCanvas::ControlJoined(TCustomControl* control) {
  if (control->Kind() == TCustomControl::LayerKind::Background) FitBackground();
}

void TControlCanvas::resizeEvent(QResizeEvent* event) {
  FitBackground();
  QWidget::resizeEvent(event);
}
