#include "LineJumpView.h"

#include <QPainter>
#include <QVariant>
#include <algorithm>
#include <vector>

#include "CustomKDTool.h"
#include "Diagram.h"
#include "KDTools.h"
#include "LineJumpDrawing.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {

std::vector<LineJumpView*>& Views() {
  static std::vector<LineJumpView*> views;
  return views;
}

// How far a hop reaches beyond the crossing, with room for a wide pen.
constexpr int kHopReach = render::kJumpRadius + 8;

bool Jumps(const TCustomKDTool* f) { return qobject_cast<const TKDLine*>(f) || qobject_cast<const TKDArrow*>(f); }

}  // namespace

LineJumpView::LineJumpView(TwinKedrinFile& document) : QObject(&document), document_(document) {
  Views().push_back(this);
  // The diagram goes before this object does: it is never told to forget it.
  document.FigureSet().AddObserver(this);
  document.Surface()->SetContentDecoration([this](QPainter& painter, const QRect& exposed) { Paint(painter, exposed); });
}

LineJumpView::~LineJumpView() { Views().erase(std::remove(Views().begin(), Views().end(), this), Views().end()); }

LineJumpView* LineJumpView::Install(TwinKedrinFile& document) {
  if (auto* v = qobject_cast<LineJumpView*>(document.property("lineJumps").value<QObject*>())) return v;
  auto* v = new LineJumpView(document);
  document.setProperty("lineJumps", QVariant::fromValue<QObject*>(v));
  return v;
}

void LineJumpView::Show(bool on) {
  if (on == LineJumpsShown()) return;
  SetLineJumpsShown(on);
  for (LineJumpView* v : Views()) v->document_.Surface()->update();
}

void LineJumpView::DiagramChanged(const DiagramChange& change) {
  if (!LineJumpsShown() || !Jumps(change.figure)) return;
  using Kind = DiagramChange::Kind;
  if (change.kind == Kind::Selection || change.kind == Kind::Restacked) return;
  QRect area = change.figure->BoundsRect();
  if (change.kind == Kind::Moved) area |= change.before;
  document_.Surface()->InvalidateCanvasArea(area.adjusted(-kHopReach, -kHopReach, kHopReach, kHopReach));
}

void LineJumpView::Paint(QPainter& painter, const QRect& exposed) {
  if (!LineJumpsShown()) return;
  TCanvasSurface& surface = *document_.Surface();
  const QRect area = surface.CanvasAreaOf(exposed);
  // Every line and arrow that may cross another where a hop would show, bottom first.
  std::vector<TCustomKDTool*> near;
  document_.FigureSet().FiguresIn(area.adjusted(-kHopReach, -kHopReach, kHopReach, kHopReach), near);
  std::vector<const TCustomKDTool*> lines;
  for (TCustomKDTool* f : near)
    if (Jumps(f) && !f->isHidden()) lines.push_back(f);
  if (lines.size() < 2) return;
  const Diagram& diagram = document_.FigureSet();
  std::sort(lines.begin(), lines.end(), [&](const TCustomKDTool* a, const TCustomKDTool* b) {
    return diagram.StackIndexOf(a) < diagram.StackIndexOf(b);
  });
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  const QColor colour = surface.property("canvasColor").value<QColor>();
  painter.save();
  if (TControlCanvas::SmoothDrawing()) painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(surface.Zoom(), surface.Zoom());
  // The canvas picture shows its white as the canvas colour: the hops are laid on that colour.
  DrawLineJumps(painter, lines, colour.isValid() ? colour : QColor(Qt::white), nullptr,
                area.adjusted(-kHopReach, -kHopReach, kHopReach, kHopReach));
  painter.restore();
}
