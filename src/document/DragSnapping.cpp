#include "DragSnapping.h"

#include <QPointer>
#include <algorithm>

#include "ControlHost.h"
#include "ControlLayer.h"
#include "Control.h"
#include "CustomKDTool.h"
#include "FrameControl.h"
#include "GridNudge.h"
#include "GridOptions.h"
#include "GuideOverlay.h"
#include "KeyState.h"
#include "Messages.h"
#include "ZoomMapping.h"

namespace {

// Guides snap within this many screen pixels, whatever the zoom.
constexpr double kGuideScreenPixels = 5.0;

bool SnappingSuspended() { return keystate::GetKeyState(VK_MENU) < 0; }

QRect BoundingBox(const std::vector<TCustomKDTool*>& figures) {
  QRect box;
  for (TCustomKDTool* f : figures) {
    const QRect r = f->BoundsRect();
    box = box.isNull() ? r : box.united(r);
  }
  return box;
}

// The figures near the visible part of the canvas, other than the moving ones: what a guide can
// be shown to.
std::vector<QRect> StayingFigures(QWidget* surface, const std::vector<TCustomKDTool*>& moving) {
  std::vector<QRect> boxes;
  TControlHost* host = TControlHost::Of(surface);
  TControlLayer* index = host ? host->ContentLayer() : nullptr;
  if (!index) return boxes;
  const double zoom = CanvasZoomOf(surface);
  QRect shown = surface->visibleRegion().boundingRect();
  if (shown.isEmpty()) shown = surface->rect();
  QRect area(zoommap::ToCanvas(QPointF(shown.topLeft()), zoom), zoommap::ToCanvas(QPointF(shown.bottomRight()), zoom));
  // Half a view more each way: the canvas may scroll during the drag.
  area.adjust(-area.width() / 2, -area.height() / 2, area.width() / 2, area.height() / 2);
  std::vector<TCustomControl*> found;
  index->Query(area, found);
  std::vector<const TCustomControl*> skip(moving.begin(), moving.end());
  std::sort(skip.begin(), skip.end());
  boxes.reserve(found.size());
  for (TCustomControl* c : found) {
    if (c->isHidden() || std::binary_search(skip.begin(), skip.end(), c)) continue;
    boxes.push_back(c->BoundsRect());
  }
  return boxes;
}

class CanvasTrackSnapping : public TrackSnapping {
 public:
  std::unique_ptr<TrackSnap> BeginTrack(TCustomControl* control, int hitCode, const QRect& startBounds) override {
    auto* frame = dynamic_cast<TFrameControl*>(control);
    if (!frame) return nullptr;
    const GridOptions& options = GridOptions::Instance();
    const bool move = hitCode == HTCAPTION;
    const bool guides = move && options.SmartGuides();
    if (!options.SnapToGrid() && !guides) return nullptr;
    const std::vector<TCustomKDTool*> figures = frame->EditTargets();
    if (figures.empty()) return nullptr;
    QWidget* surface = control->parentWidget();
    FrameDragSnap::Settings settings;
    settings.grid = options.SnapToGrid() ? options.GridSize() : 0;
    settings.guideTolerance = kGuideScreenPixels / CanvasZoomOf(surface);
    std::optional<arrange::GuideIndex> index;
    if (guides) index.emplace(StayingFigures(surface, figures));
    return std::make_unique<FrameDragSnap>(hitCode, startBounds, BoundingBox(figures), settings, std::move(index),
                                           surface);
  }

  QPoint NudgeStep(TCustomControl* control, QPoint step) override {
    const GridOptions& options = GridOptions::Instance();
    auto* frame = dynamic_cast<TFrameControl*>(control);
    if (!options.SnapToGrid() || !frame || step.isNull()) return step;
    const std::vector<TCustomKDTool*> figures = frame->EditTargets();
    if (figures.empty()) return step;
    return arrange::GridNudge(BoundingBox(figures).topLeft(), step, options.GridSize());
  }
};

}  // namespace

FrameDragSnap::FrameDragSnap(int hitCode, const QRect& startBounds, const QRect& figures, Settings settings,
                             std::optional<arrange::GuideIndex> guides, QWidget* surface)
    : hitCode_(hitCode),
      marginLeft_(figures.x() - startBounds.x()),
      marginTop_(figures.y() - startBounds.y()),
      marginRight_(startBounds.x() + startBounds.width() - figures.x() - figures.width()),
      marginBottom_(startBounds.y() + startBounds.height() - figures.y() - figures.height()),
      figuresStart_(figures),
      settings_(settings),
      guides_(std::move(guides)),
      overlay_(guides_ ? GuideOverlay::Of(surface) : nullptr) {}

FrameDragSnap::~FrameDragSnap() { ShowLines({}); }

void FrameDragSnap::ShowLines(std::vector<arrange::GuideLine> lines) {
  if (lines == lines_) return;
  lines_ = std::move(lines);
  if (overlay_) overlay_->Show(lines_);
}

QRect FrameDragSnap::Snap(const QRect& proposed) {
  if (SnappingSuspended()) {
    ShowLines({});
    return proposed;
  }
  // The figures' box where the pointer put it.
  const QRect figures(proposed.x() + marginLeft_, proposed.y() + marginTop_,
                      proposed.width() - marginLeft_ - marginRight_, proposed.height() - marginTop_ - marginBottom_);
  if (hitCode_ != HTCAPTION) {
    const std::optional<arrange::Handle> handle = arrange::HandleOfHitCode(hitCode_);
    if (!handle || settings_.grid <= 0) return proposed;
    const QRect s = arrange::SnapResize(figures, *handle, settings_.grid);
    return QRect(s.x() - marginLeft_, s.y() - marginTop_, s.width() + marginLeft_ + marginRight_,
                 s.height() + marginTop_ + marginBottom_);
  }
  QPoint delta = settings_.grid > 0
                     ? arrange::SnapMoveDelta(figuresStart_, figures.topLeft() - figuresStart_.topLeft(), settings_.grid) -
                           (figures.topLeft() - figuresStart_.topLeft())
                     : QPoint();
  std::vector<arrange::GuideLine> lines;
  if (guides_) {
    // A guide wins over the grid on the axis it snaps.
    const arrange::GuideSnap g = guides_->Snap(figures, settings_.guideTolerance);
    bool x = false, y = false;
    for (const arrange::GuideLine& line : g.lines) (line.axis == arrange::GuideLine::Axis::Vertical ? x : y) = true;
    if (x) delta.setX(g.delta.x());
    if (y) delta.setY(g.delta.y());
    // The lines of where the figures end up: every alignment they make there, also one the
    // grid happened to give.
    lines = guides_->Snap(figures.translated(delta), 0).lines;
  }
  ShowLines(std::move(lines));
  return proposed.translated(delta);
}

void InstallDragSnapping() {
  static CanvasTrackSnapping snapping;
  TrackSnapping::Install(&snapping);
}

void SnapPastedToGrid(const std::vector<TCustomKDTool*>& pasted) {
  const GridOptions& options = GridOptions::Instance();
  if (!options.SnapToGrid() || pasted.empty() || SnappingSuspended()) return;
  const QPoint corner = BoundingBox(pasted).topLeft();
  const QPoint delta = arrange::SnapPoint(corner, options.GridSize()) - corner;
  if (delta.isNull()) return;
  for (TCustomKDTool* f : pasted) f->ApplyBounds(f->Left() + delta.x(), f->Top() + delta.y(), f->Width(), f->Height());
}
