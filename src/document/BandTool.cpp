#include "BandTool.h"

#include <QPointer>

#include "BandSelection.h"
#include "DragScroller.h"
#include "Focus.h"
#include "GridOptions.h"
#include "GridSnap.h"
#include "KeyState.h"
#include "OutlineHighlight.h"
#include "TImage.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

void BandTool::SetBandPen() {
  TImage* image = document_.imgKedrin;
  image->PicturePen.Mode = pmXor;
  image->PicturePen.Color = clWhite;  // every pixel drawn over is inverted
  image->PicturePen.Style = psDot;
  image->PicturePen.Width = 1;
  image->PictureBrush.Color = clBlack;
  image->PictureBrush.Style = bsSolid;
}

void BandTool::DrawBand(QPoint end) {
  const int sx = start_.x(), sy = start_.y(), ex = end.x(), ey = end.y();
  const bool line = LineBand();
  document_.imgKedrin->DrawOnPicture(
      [&](Canvas& c) {
        c.MoveTo(sx, sy);
        if (line) {
          c.LineTo(ex, ey);
        } else {
          c.LineTo(ex, sy);
          c.LineTo(ex, ey);
          c.LineTo(sx, ey);
          c.LineTo(sx, sy);
        }
      },
      BandBetween(start_, end));
}

bool BandTool::SnapEnd(TShiftState, QPoint&) {
  OutlineHighlight* highlight = document_.Surface()->Highlight();
  if (highlight->Shown()) highlight->Hide();
  return false;
}

// With Snap to Grid on, a figure being drawn has both corners on the grid, from the press on;
// Alt held draws where the pointer is. An end that joins a shape is left where it joins.
void BandTool::Snap(TShiftState shift, QPoint& point) {
  if (SnapEnd(shift, point)) return;
  const GridOptions& options = GridOptions::Instance();
  if (!SnapsToGrid() || !options.SnapToGrid()) return;
  if ((shift & ssAlt) || keystate::GetKeyState(VK_MENU) < 0) return;
  point = arrange::SnapPoint(point, options.GridSize());
}

void BandTool::Press(TShiftState shift, QPoint point) {
  Snap(shift, point);
  // A second button pressed during a drag starts a new one; the old band goes first so that no
  // trace of it stays on the picture.
  if (dragging_) {
    SetBandPen();
    DrawBand(last_);
  }
  document_.imgKedrin->Picture();
  SetBandPen();
  last_ = start_ = point;
  dragging_ = true;
  // Ends any selection: its frames lose the focus and deselect their figures.
  focus::SetFocus(document_.Surface());
  // Escape puts the drag back: nothing is drawn, selected or recorded.
  QPointer<TwinKedrinFile> document(&document_);
  document_.Surface()->OnEscape = [document, this] { return document && Key(Qt::Key_Escape); };
  // At an edge of the visible canvas the canvas scrolls and the band follows the pointer.
  document_.scbKedrin->Scroller()->Begin([document](QPoint global) {
    if (!document) return;
    const QPoint p = document->imgKedrin->CanvasPointOfGlobal(global);
    document->imgKedrinMouseMove(0, p.x(), p.y());
  }, document_.imgKedrin->GlobalOfCanvasPoint(point), GrowsCanvas());
}

void BandTool::Move(TShiftState shift, QPoint point) {
  if (!dragging_) return;
  Snap(shift, point);
  document_.scbKedrin->Scroller()->Pointer(document_.imgKedrin->GlobalOfCanvasPoint(point));
  SetBandPen();
  DrawBand(last_);
  DrawBand(point);
  last_ = point;
}

void BandTool::Release(TShiftState shift, QPoint point) {
  if (!dragging_) return;
  document_.Surface()->OnEscape = nullptr;
  Snap(shift, point);
  document_.Surface()->Highlight()->Hide();
  SetBandPen();
  DrawBand(last_);
  dragging_ = false;
  // A drag that began with a press on a figure had the pointer taken over.
  document_.imgKedrin->releaseMouse();
  document_.scbKedrin->Scroller()->End();
  Finish(start_, point, shift);
}

void BandTool::Cancel() {
  if (!dragging_) return;
  SetBandPen();
  DrawBand(last_);
  dragging_ = false;
  document_.Surface()->Highlight()->Hide();
  document_.scbKedrin->Scroller()->End();
  document_.Surface()->OnEscape = nullptr;
}

bool BandTool::Key(int key) {
  if (key != Qt::Key_Escape || !dragging_) return false;
  Cancel();
  return true;
}
