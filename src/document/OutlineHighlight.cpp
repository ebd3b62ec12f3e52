#include "OutlineHighlight.h"

#include <QPainter>
#include <QPainterPath>

#include "ConnectorFollowing.h"
#include "Diagram.h"
#include "Control.h"
#include "CustomKDTool.h"
#include "TScrollBox.h"
#include "ZoomMapping.h"

namespace {
// Room around the figure's box for the traced line's width.
constexpr int kMargin = 3;
}  // namespace

OutlineHighlight::OutlineHighlight(QWidget* surface) : QWidget(nullptr) {
  setObjectName(QStringLiteral("outlineHighlight"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TranslucentBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
  setParent(surface);
}

OutlineHighlight* OutlineHighlight::Of(TCanvasSurface* surface) { return surface ? surface->Highlight() : nullptr; }

void OutlineHighlight::Show(const connectors::Figure& figure) {
  if (!figure.id) {
    shown_ = {};
    hide();
    return;
  }
  if (figure == shown_ && isVisible()) return;
  shown_ = figure;
  const double zoom = CanvasZoomOf(parentWidget());
  setGeometry(zoommap::ToWidget(figure.box, zoom).adjusted(-kMargin, -kMargin, kMargin, kMargin));
  raise();
  show();
  update();
}

void OutlineHighlight::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 120, 215), 2));
  p.setBrush(Qt::NoBrush);
  const QRectF r = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
  using connectors::FigureKind;
  switch (shown_.kind) {
    case FigureKind::Circle:
    case FigureKind::Ellipse: p.drawEllipse(r); break;
    case FigureKind::RoundedBox: p.drawRoundedRect(r, r.width() / 4, r.height() / 4); break;
    case FigureKind::Diamond: {
      const QPointF pts[4] = {{r.center().x(), r.top()}, {r.right(), r.center().y()}, {r.center().x(), r.bottom()},
                              {r.left(), r.center().y()}};
      p.drawPolygon(pts, 4);
      break;
    }
    default: p.drawRect(r); break;
  }
}

connectors::OutlineSnap SnapOnCanvas(const Diagram& diagram, QPoint p) {
  return connectors::SnapToOutline(p, QueryOf(diagram));
}
