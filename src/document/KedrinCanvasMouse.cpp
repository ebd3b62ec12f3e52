// Mouse handling of the canvas image: a drag on empty canvas draws out a new figure with the
// current tool or selects, with a rubber band, every figure it encloses. While the button is
// held an exclusive-or band follows the pointer on the canvas picture; drawing it a second time
// erases it without repainting anything.
#include <QPointer>
#include <algorithm>

#include "BandSelection.h"
#include "CanvasDrawing.h"
#include "ConnectorDrawing.h"
#include "ConnectorFollowing.h"
#include "ConnectorOptions.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "DragScroller.h"
#include "DrawSnap.h"
#include "Focus.h"
#include "GridOptions.h"
#include "GridSnap.h"
#include "KDTools.h"
#include "KeyState.h"
#include "OutlineHighlight.h"
#include "TImage.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {
// One pointer, one drag at a time: the drag state is shared by all documents.
int DragStartX = 0;
int DragStartY = 0;
int DragLastX = 0;
int DragLastY = 0;
bool Dragging = false;

void SetBandPen(TImage* image) {
  image->PicturePen.Mode = pmXor;
  image->PicturePen.Color = clWhite;  // every pixel drawn over is inverted
  image->PicturePen.Style = psDot;
  image->PicturePen.Width = 1;
  image->PictureBrush.Color = clBlack;
  image->PictureBrush.Style = bsSolid;
}

void DrawBand(TImage* image, TTool tool, int ex, int ey) {
  const int sx = DragStartX, sy = DragStartY;
  const QRect changed = BandBetween(QPoint(sx, sy), QPoint(ex, ey));
  image->DrawOnPicture(
      [&](Canvas& c) {
        c.MoveTo(sx, sy);
        if (tool == TTool::Line || tool == TTool::Arrow || tool == TTool::Connector) {
          c.LineTo(ex, ey);
        } else {
          c.LineTo(ex, sy);
          c.LineTo(ex, ey);
          c.LineTo(sx, ey);
          c.LineTo(sx, sy);
        }
      },
      changed);
}

// With Snap to Grid on, a figure being drawn has both corners on the grid, from the press on;
// Alt held draws where the pointer is. A rubber band is never snapped.
void SnapDrawPoint(TTool tool, TShiftState shift, int& x, int& y) {
  const GridOptions& options = GridOptions::Instance();
  if (tool == TTool::Select || !options.SnapToGrid()) return;
  if ((shift & ssAlt) || keystate::GetKeyState(VK_MENU) < 0) return;
  const QPoint p = arrange::SnapPoint(QPoint(x, y), options.GridSize());
  x = p.x();
  y = p.y();
}

// With connectors kept attached, an end of a line or arrow drawn near a closed figure's outline
// goes onto it, and the outline is traced while the pointer is in reach; Alt held draws where the
// pointer is. The connector tool joins shapes whatever the option, and traces the shape it would
// join. Returns whether the point snapped or lies on a shape (the grid then has no say).
bool SnapDrawEnd(TwinKedrinFile& document, TTool tool, TShiftState shift, int& x, int& y) {
  OutlineHighlight* highlight = OutlineHighlight::Of(document.Surface());
  const bool connector = tool == TTool::Line || tool == TTool::Arrow || tool == TTool::Connector;
  const bool snaps = tool == TTool::Connector || ConnectorOptions::Instance().KeepAttached();
  if (!connector || !snaps || (shift & ssAlt) ||
      keystate::GetKeyState(VK_MENU) < 0) {
    if (highlight->Shown()) highlight->Hide();
    return false;
  }
  if (tool == TTool::Connector) {
    // The Connector tool joins the shape under the point, wherever on it; the point itself stays
    // where it is, since it tells which side the route takes.
    const connectors::FigureId shape = connectors::ShapeForEnd(QPoint(x, y), QueryOf(document.FigureSet()));
    if (!shape) {
      if (highlight->Shown()) highlight->Hide();
      return false;
    }
    highlight->Show(DescribeFigure(*static_cast<const TCustomKDTool*>(shape), 0));
    return true;
  }
  const connectors::OutlineSnap snap = SnapOnCanvas(document.FigureSet(), QPoint(x, y));
  if (!snap.figure) {
    if (highlight->Shown()) highlight->Hide();
    return false;
  }
  highlight->Show(DescribeFigure(*static_cast<const TCustomKDTool*>(snap.figure), 0));
  x = snap.point.x();
  y = snap.point.y();
  return true;
}

// Escape during a drag on the empty canvas: the band goes, and the release does nothing.
void CancelCanvasDrag(TwinKedrinFile& d) {
  if (!Dragging) return;
  SetBandPen(d.imgKedrin);
  DrawBand(d.imgKedrin, d.MainWindow()->CurrentTool(), DragLastX, DragLastY);
  Dragging = false;
  OutlineHighlight::Of(d.Surface())->Hide();
  d.scbKedrin->Scroller()->End();
  d.Surface()->OnEscape = nullptr;
}

}  // namespace

bool TwinKedrinFile::CanvasDragInProgress() { return Dragging; }

void TwinKedrinFile::imgKedrinMouseDown(TMouseButton, TShiftState shift, int x, int y) {
  if (!SnapDrawEnd(*this, MainWindow()->CurrentTool(), shift, x, y))
    SnapDrawPoint(MainWindow()->CurrentTool(), shift, x, y);
  // A second button pressed during a drag starts a new one; the old band goes first so that no
  // trace of it stays on the picture.
  if (Dragging) {
    SetBandPen(imgKedrin);
    DrawBand(imgKedrin, MainWindow()->CurrentTool(), DragLastX, DragLastY);
  }
  imgKedrin->Picture();
  SetBandPen(imgKedrin);
  DragLastX = DragStartX = x;
  DragLastY = DragStartY = y;
  Dragging = true;
  // Ends any selection: its frames lose the focus and deselect their figures.
  focus::SetFocus(Surface());
  // Escape puts the drag back: nothing is drawn, selected or recorded.
  QPointer<TwinKedrinFile> self(this);
  Surface()->OnEscape = [self] {
    if (!self || !Dragging) return false;
    CancelCanvasDrag(*self);
    return true;
  };
  // At an edge of the visible canvas the canvas scrolls and the band follows the pointer.
  scbKedrin->Scroller()->Begin([self](QPoint global) {
    if (!self) return;
    const QPoint p = self->imgKedrin->CanvasPointOfGlobal(global);
    self->imgKedrinMouseMove(0, p.x(), p.y());
  }, imgKedrin->GlobalOfCanvasPoint(QPoint(x, y)), MainWindow()->CurrentTool() != TTool::Select);
}

void TwinKedrinFile::imgKedrinMouseMove(TShiftState shift, int x, int y) {
  if (!Dragging) return;
  if (!SnapDrawEnd(*this, MainWindow()->CurrentTool(), shift, x, y))
    SnapDrawPoint(MainWindow()->CurrentTool(), shift, x, y);
  scbKedrin->Scroller()->Pointer(imgKedrin->GlobalOfCanvasPoint(QPoint(x, y)));
  SetBandPen(imgKedrin);
  const TTool tool = MainWindow()->CurrentTool();
  DrawBand(imgKedrin, tool, DragLastX, DragLastY);
  DrawBand(imgKedrin, tool, x, y);
  DragLastX = x;
  DragLastY = y;
}

void TwinKedrinFile::imgKedrinMouseUp(TMouseButton, TShiftState shift, int x, int y) {
  // The release of a drag that Escape put back.
  if (!Dragging) {
    imgKedrin->releaseMouse();
    return;
  }
  Surface()->OnEscape = nullptr;
  const TTool tool = MainWindow()->CurrentTool();
  if (!SnapDrawEnd(*this, tool, shift, x, y)) SnapDrawPoint(tool, shift, x, y);
  OutlineHighlight::Of(Surface())->Hide();
  if (Dragging) {
    SetBandPen(imgKedrin);
    DrawBand(imgKedrin, tool, DragLastX, DragLastY);
  }
  Dragging = false;
  // A drag that began with a press on a figure had the pointer taken over.
  imgKedrin->releaseMouse();
  scbKedrin->Scroller()->End();
  const QPoint start(DragStartX, DragStartY), end(x, y);
  if (tool == TTool::Select) {
    SelectInBand(*this, BandBetween(start, end), shift);
    return;
  }
  if (tool == TTool::Connector) DrawConnector(*this, start, end);
  else DrawFigure(*this, tool, start, end);
}
