#include "OverviewDock.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QUndoStack>
#include <algorithm>

#include "CustomKDTool.h"
#include "DiagramPicture.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"
#include "ZoomView.h"

namespace {
constexpr int kRedrawMs = 300;
constexpr int kBorder = 4;
}  // namespace

OverviewView::OverviewView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("OverviewView"));
  setMinimumSize(80, 60);
  later_.setSingleShot(true);
  later_.setInterval(kRedrawMs);
  connect(&later_, &QTimer::timeout, this, [this] {
    picture_ = QImage();
    update();
  });
}

TScrollBox* OverviewView::Box() const { return document_ ? document_->scbKedrin : nullptr; }

void OverviewView::SetDocument(TwinKedrinFile* document) {
  if (document == document_) return;
  for (const auto& c : connections_) disconnect(c);
  connections_.clear();
  document_ = document;
  if (TScrollBox* box = Box()) {
    auto repaint = [this] { update(); };
    connections_ << connect(document->UndoStack(), &QUndoStack::indexChanged, this, [this] { Stale(); });
    connections_ << connect(box->Surface(), &TCanvasSurface::ZoomChanged, this, repaint);
    connections_ << connect(box->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    connections_ << connect(box->verticalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    connections_ << connect(box->horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this] { Stale(); });
    connections_ << connect(box->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { Stale(); });
  }
  picture_ = QImage();
  update();
}

void OverviewView::Stale() {
  if (!later_.isActive()) later_.start();
}

QRect OverviewView::Shown() const {
  const TScrollBox* box = Box();
  if (!box) return {};
  return QRect(QPoint(0, 0), box->Surface()->CanvasSize()) | zoomview::DiagramBounds(*box);
}

QRectF OverviewView::Placement() const {
  const QRect shown = Shown();
  if (shown.isEmpty()) return {};
  const QRectF room = QRectF(rect()).adjusted(kBorder, kBorder, -kBorder, -kBorder);
  const double scale = std::min(room.width() / shown.width(), room.height() / shown.height());
  const QSizeF size(shown.width() * scale, shown.height() * scale);
  return QRectF(room.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

QPointF OverviewView::CanvasPointAt(QPointF point) const {
  const QRect shown = Shown();
  const QRectF placed = Placement();
  if (placed.isEmpty()) return {};
  const double scale = placed.width() / shown.width();
  return QPointF(shown.topLeft()) + (point - placed.topLeft()) / scale;
}

void OverviewView::Redraw() {
  const QRect shown = Shown();
  const QRectF placed = Placement();
  picture_ = QImage(size() * devicePixelRatioF(), QImage::Format_RGB32);
  picture_.setDevicePixelRatio(devicePixelRatioF());
  picture_.fill(palette().color(QPalette::Window));
  pictureShows_ = shown;
  if (placed.isEmpty() || !document_) return;
  QPainter painter(&picture_);
  const QColor canvas = Box()->Surface()->property("canvasColor").value<QColor>();
  painter.fillRect(placed, canvas.isValid() ? canvas : QColor(Qt::white));
  painter.setClipRect(placed);
  painter.translate(placed.topLeft());
  const double scale = placed.width() / shown.width();
  painter.scale(scale, scale);
  painter.translate(-shown.topLeft());
  const std::vector<TCustomKDTool*> figures = document_->Figures();
  const std::vector<const TCustomKDTool*> drawn(figures.begin(), figures.end());
  DrawFigures(painter, drawn);
}

void OverviewView::paintEvent(QPaintEvent*) {
  if (picture_.isNull() || pictureShows_ != Shown()) Redraw();
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
  const TScrollBox* box = Box();
  const QRectF placed = Placement();
  if (!box || placed.isEmpty()) return;
  const QRect shown = Shown();
  const double scale = placed.width() / shown.width();
  const QRect visible = zoomview::VisibleCanvas(*box);
  const QRectF frame(placed.topLeft() + QPointF(visible.topLeft() - shown.topLeft()) * scale,
                     QSizeF(visible.size()) * scale);
  painter.setPen(QPen(QColor(42, 111, 214), 1.5));
  painter.setBrush(QColor(42, 111, 214, 40));
  painter.drawRect(frame.intersected(placed));
}

void OverviewView::ScrollTo(QPointF point) {
  TScrollBox* box = Box();
  if (!box || Placement().isEmpty()) return;
  zoomview::ScrollCanvasPointTo(*box, CanvasPointAt(point), box->viewport()->rect().center());
}

void OverviewView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) ScrollTo(event->position());
}

void OverviewView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) ScrollTo(event->position());
}

void OverviewView::resizeEvent(QResizeEvent*) { picture_ = QImage(); }

OverviewDock::OverviewDock(QWidget* parent) : QDockWidget(tr("Overview"), parent), view_(new OverviewView(this)) {
  setObjectName(QStringLiteral("OverviewDock"));
  setWidget(view_);
  toggleViewAction()->setObjectName(QStringLiteral("Overview1"));
  toggleViewAction()->setText(tr("&Overview"));
}
