#include "WalkFeatures.h"

#include <QKeyEvent>
#include <QPointer>
#include <algorithm>

#include "ConnectorOptions.h"
#include "CustomKDTool.h"
#include "Diagram.h"
#include "DiagramChart.h"
#include "FlowOrder.h"
#include "KDTools.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"
#include "TwinMain.h"

namespace {

// The keys of one document's canvas, seen before the canvas and its selection frame see them.
class KeyboardWalk : public QObject {
 public:
  // The canvas is kept from the start: events still come while the document is taken down, when
  // it may no longer be asked for anything.
  explicit KeyboardWalk(TwinKedrinFile& doc) : QObject(&doc), doc_(doc), surface_(doc.Surface()) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || watched != surface_) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Walking is a way of seeing the diagram as shapes and connectors: with View > Keep
    // Connectors and Labels Attached off, the keys do what they always did.
    if (doc_.DragInProgress() || !ConnectorOptions::Instance().KeepAttached()) return false;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
        // Tab stays on the canvas: it walks the shapes instead of leaving for another widget.
        if (mods & ~Qt::ShiftModifier) return false;
        Tab(key->key() == Qt::Key_Backtab || mods == Qt::ShiftModifier);
        return true;
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Up:
      case Qt::Key_Down:
        if (mods == Qt::AltModifier) Toward(SideOf(key->key()));
        else if (mods == (Qt::AltModifier | Qt::ShiftModifier)) ConnectorToward(SideOf(key->key()));
        else return false;
        return true;
      default:
        return false;
    }
  }

 private:
  static walk::Side SideOf(int key) {
    switch (key) {
      case Qt::Key_Left: return walk::Side::Left;
      case Qt::Key_Right: return walk::Side::Right;
      case Qt::Key_Up: return walk::Side::Top;
      default: return walk::Side::Bottom;
    }
  }

  // What is selected, as the chart sees it.
  struct Current {
    std::optional<int> shape;  // the shape selected, or the one a selected connector was reached from
    std::optional<int> link;
  };
  Current Selection(const a11y::DiagramChart& c) const {
    Diagram& figures = doc_.FigureSet();
    const std::vector<TCustomKDTool*> selected = figures.Selected();
    if (selected.empty()) return {};
    std::optional<int> shape, link;
    for (TCustomKDTool* f : selected) {
      const uint64_t id = figures.IdOf(f);
      std::optional<int> s = c.ShapeOf(id), l = c.LinkOf(id);
      if (!s && !l) return {};
      if ((s && shape && *s != *shape) || (l && link && *l != *link)) return {};
      if (s) shape = s;
      if (l) link = l;
    }
    // A shape selected with a connector of its own counts as the shape.
    if (shape) return {shape, std::nullopt};
    const walk::Link& l = c.chart.links[size_t(*link)];
    // The shape it was reached from, if that is one of its ends; else where it starts.
    std::optional<int> from;
    if (reachedFrom_) from = c.ShapeOf(*reachedFrom_);
    if (!from || (*from != l.from && *from != l.to)) from = l.from;
    return {from, link};
  }

  void Tab(bool backward) {
    const a11y::DiagramChart c = a11y::ChartOfDiagram(doc_.FigureSet());
    const std::optional<int> next = walk::StepInFlow(walk::FlowOrder(c.chart), Selection(c).shape, backward);
    if (next) SelectShape(c, *next);
  }

  void Toward(walk::Side side) {
    const a11y::DiagramChart c = a11y::ChartOfDiagram(doc_.FigureSet());
    const Current now = Selection(c);
    if (!now.shape) return;
    if (const std::optional<int> to = walk::ShapeToward(c.chart, *now.shape, side)) SelectShape(c, *to);
  }

  void ConnectorToward(walk::Side side) {
    const a11y::DiagramChart c = a11y::ChartOfDiagram(doc_.FigureSet());
    const Current now = Selection(c);
    if (!now.shape) return;
    const int shape = *now.shape;
    // Of the shape's connectors with their end on that side, the one after the selected one.
    std::vector<int> onSide;
    for (int l : walk::ConnectorsOf(c.chart, shape))
      if (walk::SideOf(c.chart.shapes[size_t(shape)].box, EndAt(c.chart.links[size_t(l)], shape)) == side)
        onSide.push_back(l);
    if (onSide.empty()) return;
    auto it = now.link ? std::find(onSide.begin(), onSide.end(), *now.link) : onSide.end();
    const int link = it == onSide.end() || it + 1 == onSide.end() ? onSide.front() : *(it + 1);
    SelectLink(c, link, shape);
  }

  static QPoint EndAt(const walk::Link& l, int shape) { return l.from == shape ? l.fromPoint : l.toPoint; }

  void SelectShape(const a11y::DiagramChart& c, int shape) {
    Diagram& figures = doc_.FigureSet();
    TCustomKDTool* f = figures.Find(c.chart.shapes[size_t(shape)].figure);
    if (!f) return;
    reachedFrom_.reset();
    figures.Select({f});
    doc_.RevealFigures({f});
  }

  // One segment stands for the connector, the one at the shape it was reached from: a frame of
  // its own, so that Enter and F2 type the connector's label as for a segment clicked.
  void SelectLink(const a11y::DiagramChart& c, int link, int shape) {
    Diagram& figures = doc_.FigureSet();
    const walk::Link& l = c.chart.links[size_t(link)];
    const QPoint end = EndAt(l, shape);
    std::vector<TCustomKDTool*> all;
    TCustomKDTool* nearest = nullptr;
    int best = 0;
    for (uint64_t id : l.figures) {
      TCustomKDTool* f = figures.Find(id);
      if (!f) continue;
      all.push_back(f);
      if (dynamic_cast<TKDLabel*>(f)) continue;
      const QRect b = f->BoundsRect();
      const int d = std::max({b.left() - end.x(), end.x() - b.right(), 0}) +
                    std::max({b.top() - end.y(), end.y() - b.bottom(), 0});
      if (!nearest || d < best) nearest = f, best = d;
    }
    if (!nearest) return;
    figures.Select({nearest});
    reachedFrom_ = c.chart.shapes[size_t(shape)].figure;
    doc_.RevealFigures(all);
  }

  TwinKedrinFile& doc_;
  const QObject* surface_;
  std::optional<uint64_t> reachedFrom_;
};

}  // namespace

void InstallWalkFeatures(TwinMain& main) {
  QObject::connect(&main, &TwinMain::DocumentAdded, &main, [](TwinKedrinFile* doc) {
    doc->Surface()->installEventFilter(new KeyboardWalk(*doc));
  });
}
