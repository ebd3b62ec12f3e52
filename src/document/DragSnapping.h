#pragma once
#include <QPointer>
#include <QRect>
#include <memory>
#include <optional>
#include <vector>

#include "GridSnap.h"
#include "GuideIndex.h"
#include "GuideOverlay.h"
#include "TrackSnapping.h"

class QWidget;
class TCustomKDTool;

// Where a selection frame goes while it is dragged, as the View menu's Snap to Grid and Smart
// Guides say. The frame lies a margin outside its figures (2 pixels for one figure, 4 around a
// group's members): snapping puts the figures' edges on the grid or on another figure's edge or
// centre, and the frame follows them. Alt held suspends it for as long as it is held.
class FrameDragSnap : public TrackSnap {
 public:
  struct Settings {
    int grid = 0;              // 0: no grid snapping
    double guideTolerance = 0;  // canvas pixels
  };
  // figures: the bounding box of the dragged figures when the drag started, inside startBounds.
  // guides: the other figures' edges and centres (none: no guides), whose lines show on the
  // canvas surface's guide overlay.
  FrameDragSnap(int hitCode, const QRect& startBounds, const QRect& figures, Settings settings,
                std::optional<arrange::GuideIndex> guides, QWidget* surface);
  ~FrameDragSnap() override;

  QRect Snap(const QRect& proposed) override;
  // The guide lines of the last snap.
  const std::vector<arrange::GuideLine>& Lines() const { return lines_; }

 private:
  void ShowLines(std::vector<arrange::GuideLine> lines);

  int hitCode_;
  int marginLeft_, marginTop_, marginRight_, marginBottom_;
  QRect figuresStart_;
  Settings settings_;
  std::optional<arrange::GuideIndex> guides_;
  // Gone with the canvas when a document closes during the drag.
  QPointer<GuideOverlay> overlay_;
  std::vector<arrange::GuideLine> lines_;
};

// The program's snapping of frame drags and arrow keys, installed once (idempotent).
void InstallDragSnapping();

// Pasted figures with Snap to Grid on: moved together so that their bounding box's top-left
// corner lies on the nearest grid point (Alt held: left where they are). Call before the paste is
// recorded.
void SnapPastedToGrid(const std::vector<TCustomKDTool*>& pasted);
