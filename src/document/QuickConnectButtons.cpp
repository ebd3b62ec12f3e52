#include "QuickConnectButtons.h"

#include <QCoreApplication>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "BoundsCommand.h"
#include "CanvasTools.h"
#include "ConnectorDrawing.h"
#include "ConnectorFollowing.h"
#include "ConnectorOptions.h"
#include "Control.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "ElbowChains.h"
#include "ElbowRoute.h"
#include "FigureStyle.h"
#include "GridOptions.h"
#include "KDTools.h"
#include "OutlineHighlight.h"
#include "Outline.h"
#include "QuickConnect.h"
#include "TScrollBox.h"
#include "TextEditSession.h"
#include "TwinKedrinFile.h"
#include "ZoomMapping.h"

namespace {

// A small arrow pointing away from the shape: a click, or a drag dropped at a canvas point.
class QuickButton : public QWidget {
 public:
  QuickButton(QWidget* parent, connectors::Side side, std::function<void()> onClick,
              std::function<void(QPoint, bool)> onDrag)
      : QWidget(parent), side_(side), onClick_(std::move(onClick)), onDrag_(std::move(onDrag)) {
    static const char* const kNames[] = {"quickTop", "quickRight", "quickBottom", "quickLeft"};
    setObjectName(QLatin1String(kNames[static_cast<int>(side)]));
    setToolTip(QCoreApplication::translate("TwinKedrinFile", "Add a connected shape"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const QPointF c = r.center();
    QPointF tip, a, b;
    switch (side_) {
      case connectors::Side::Top: tip = {c.x(), r.top()}, a = r.bottomLeft(), b = r.bottomRight(); break;
      case connectors::Side::Right: tip = {r.right(), c.y()}, a = r.topLeft(), b = r.bottomLeft(); break;
      case connectors::Side::Bottom: tip = {c.x(), r.bottom()}, a = r.topLeft(), b = r.topRight(); break;
      case connectors::Side::Left: tip = {r.left(), c.y()}, a = r.topRight(), b = r.bottomRight(); break;
    }
    const QPointF points[3] = {tip, a, b};
    p.setPen(QPen(QColor(0, 90, 170), 1));
    p.setBrush(underMouse() ? QColor(0, 120, 215) : QColor(120, 170, 225));
    p.drawPolygon(points, 3);
  }
  void enterEvent(QEnterEvent*) override { update(); }
  void leaveEvent(QEvent*) override { update(); }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    event->accept();
    pressed_ = event->position().toPoint();
    dragging_ = false;
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (!(event->buttons() & Qt::LeftButton)) return;
    if (!dragging_ && (event->position().toPoint() - pressed_).manhattanLength() < QApplication::startDragDistance()) return;
    dragging_ = true;
    onDrag_(CanvasPoint(event), false);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    event->accept();
    if (dragging_) onDrag_(CanvasPoint(event), true);
    else onClick_();
    dragging_ = false;
  }

 private:
  QPoint CanvasPoint(const QMouseEvent* event) const {
    const QPointF onSurface = mapTo(parentWidget(), event->position());
    return zoommap::ToCanvas(onSurface, CanvasZoomOf(parentWidget()));
  }

  connectors::Side side_;
  std::function<void()> onClick_;
  std::function<void(QPoint, bool)> onDrag_;
  QPoint pressed_;
  bool dragging_ = false;
};

// A new figure of the shape's class; none for lines, arrows and labels.
TCustomKDTool* NewOfClass(const TCustomKDTool& shape, QWidget* owner) {
  const QString name = QString::fromLatin1(shape.ClassName());
  if (name == QLatin1String("TKDBegin")) return new TKDBegin(owner);
  if (name == QLatin1String("TKDEnd")) return new TKDEnd(owner);
  if (name == QLatin1String("TKDProcess")) return new TKDProcess(owner);
  if (name == QLatin1String("TKDEllipse")) return new TKDEllipse(owner);
  if (name == QLatin1String("TKDRectangle")) return new TKDRectangle(owner);
  if (name == QLatin1String("TKDDiamond")) return new TKDDiamond(owner);
  return nullptr;
}

// Every figure of the document moved by the same amount, as one step of the history.
void MoveChart(TwinKedrinFile& d, QPoint by) {
  Diagram& diagram = d.FigureSet();
  std::vector<BoundsCommand::Change> changes;
  for (TCustomKDTool* f : diagram.Figures()) {
    const QRect before = f->BoundsRect(), after = before.translated(by);
    f->ApplyBounds(after.x(), after.y(), after.width(), after.height());
    changes.push_back({diagram.IdOf(f), before, after});
  }
  d.History().Push(new BoundsCommand(diagram, std::move(changes), QCoreApplication::translate("TwinKedrinFile", "Quick Connect")));
}

}  // namespace

QuickConnectButtons::QuickConnectButtons(TwinKedrinFile& document) : QObject(&document), document_(document) {
  for (connectors::Side side : connectors::kSides)
    buttons_[static_cast<size_t>(side)] = new QuickButton(
        document.Surface(), side, [this, side] { Clicked(side); },
        [this, side](QPoint p, bool dropped) { Dragged(side, p, dropped); });
  // The diagram goes before this object does: it is never told to forget it.
  document.FigureSet().AddObserver(this);
  // The arrows come and go with View > Keep Connectors and Labels Attached.
  connect(&ConnectorOptions::Instance(), &ConnectorOptions::Changed, this, &QuickConnectButtons::Place);
  // They sit a few screen pixels off the shape, wherever a zoom puts it.
  connect(document.Surface(), &TCanvasSurface::ZoomChanged, this, &QuickConnectButtons::Place);
}

QuickConnectButtons* QuickConnectButtons::Install(TwinKedrinFile& document) {
  CanvasTools& tools = document.Tools();
  if (!tools.QuickConnect()) tools.SetQuickConnect(new QuickConnectButtons(document));
  return tools.QuickConnect();
}

void QuickConnectButtons::DiagramChanged(const DiagramChange& change) {
  using Kind = DiagramChange::Kind;
  if (change.kind == Kind::Removed && change.figure == shape_) shape_ = nullptr;
  // A move of many names no figure: the shape may be among them.
  const bool shapeMoved = change.kind == Kind::Moved && shape_ && (change.figure == shape_ || !change.figure);
  if (change.kind != Kind::Selection && change.kind != Kind::Removed && !shapeMoved) return;
  // Once per turn of the event loop, however many figures a change touches.
  if (pending_) return;
  pending_ = true;
  QTimer::singleShot(0, this, [this] {
    pending_ = false;
    Place();
  });
}

void QuickConnectButtons::Place() {
  const Diagram& diagram = document_.FigureSet();
  shape_ = nullptr;
  // With the switch off a press beside a selected shape ends the selection, as it always has: no
  // arrows are shown there to catch it.
  if (ConnectorOptions::Instance().KeepAttached() && diagram.SelectedCount() == 1) {
    TCustomKDTool* f = diagram.Selected().front();
    if (connectors::IsClosed(DescribeFigure(*f, 0).kind) && !f->isHidden()) shape_ = f;
  }
  if (!shape_) {
    for (QWidget* b : buttons_) b->hide();
    return;
  }
  const std::array<QRect, 4> places = connectors::QuickButtons(shape_->BoundsRect(), CanvasZoomOf(document_.Surface()));
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->setGeometry(places[i]);
    buttons_[i]->raise();
    buttons_[i]->show();
  }
}

void QuickConnectButtons::Clicked(connectors::Side side) {
  if (!shape_) return;
  QuickConnect(document_, *shape_, side);
}

void QuickConnectButtons::Dragged(connectors::Side side, QPoint p, bool dropped) {
  OutlineHighlight* highlight = document_.Surface()->Highlight();
  if (!shape_) {
    highlight->Hide();
    return;
  }
  TCustomKDTool* onto = ShapeUnder(document_.FigureSet(), p, shape_);
  if (!dropped) {
    if (onto) highlight->Show(DescribeFigure(*onto, 0));
    else highlight->Hide();
    return;
  }
  highlight->Hide();
  QuickConnect(document_, *shape_, side, p);
}

TCustomKDTool* ShapeUnder(const Diagram& diagram, QPoint p, const TCustomKDTool* except) {
  return const_cast<TCustomKDTool*>(static_cast<const TCustomKDTool*>(connectors::ShapeForEnd(p, QueryOf(diagram), except)));
}

TCustomKDTool* QuickConnect(TwinKedrinFile& d, TCustomKDTool& shape, connectors::Side side, std::optional<QPoint> drop) {
  Diagram& diagram = d.FigureSet();
  const connectors::Figure from = DescribeFigure(shape, diagram.StackIndexOf(&shape));
  if (!connectors::IsClosed(from.kind)) return nullptr;
  if (drop) {
    if (TCustomKDTool* onto = ShapeUnder(diagram, *drop, &shape)) {
      // Onto another shape: only the connector, entering by the side dropped near, if any.
      const connectors::Figure to = DescribeFigure(*onto, diagram.StackIndexOf(onto));
      const connectors::OutlineSnap snap = SnapOnCanvas(diagram, *drop);
      std::optional<connectors::Side> into;
      if (snap.figure == onto) into = connectors::NearestSide(to, snap.point);
      const connectors::ElbowRoute route = connectors::RouteElbow(from, to, QueryOf(diagram), {side, into});
      const std::vector<TCustomKDTool*> drawn = AddRoute(d, route.points);
      d.History().RecordAdded(drawn, QCoreApplication::translate("TwinKedrinFile", "Draw Connector"));
      return onto;
    }
  }
  TCustomKDTool* copy = NewOfClass(shape, &d);
  if (!copy) return nullptr;
  const GridOptions& grid = GridOptions::Instance();
  QRect place = connectors::QuickPlace(from.box, side, connectors::QuickGap(grid.ShowGrid() ? grid.GridSize() : 0));
  // Dropped on empty canvas: the copy centred there.
  if (drop) place.moveTo(*drop - QPoint(place.width() / 2, place.height() / 2));
  // A copy past the canvas's left or top edge would be cut off every picture: the chart moves as
  // a whole to make room for it, in the same step.
  const QPoint room = connectors::QuickRoom(place);
  QUndoStack& steps = d.History().Stack();
  if (!room.isNull()) {
    steps.beginMacro(QCoreApplication::translate("TwinKedrinFile", "Quick Connect"));
    MoveChart(d, room);
    place.translate(room);
  }
  copy->ApplyBounds(place.x(), place.y(), place.width(), place.height());
  copy->SetParentControl(d.Surface());
  TFigureStyle style = TFigureStyle::Of(shape);
  style.caption.clear();
  style.ApplyTo(*copy);
  d.WireFigure(copy);
  copy->Redraw();
  const connectors::Figure source = DescribeFigure(shape, diagram.StackIndexOf(&shape));
  const connectors::Figure to = DescribeFigure(*copy, diagram.StackIndexOf(copy));
  const connectors::ElbowSides sides = drop ? connectors::ElbowSides{side, std::nullopt}
                                            : connectors::ElbowSides{side, connectors::Opposite(side)};
  const connectors::ElbowRoute route = connectors::RouteElbow(source, to, QueryOf(diagram), sides);
  std::vector<TCustomKDTool*> added{copy};
  for (TCustomKDTool* f : AddRoute(d, route.points)) added.push_back(f);
  d.History().RecordAdded(added, QCoreApplication::translate("TwinKedrinFile", "Quick Connect"));
  if (!room.isNull()) steps.endMacro();
  diagram.Select({copy});
  // The next step's text is typed at once.
  d.TextEditing().Open(copy);
  return copy;
}
