// Mouse handling of the canvas image: a drag on empty canvas draws out a new figure with the
// current tool or selects, with a rubber band, every figure it encloses. While the button is
// held an exclusive-or band follows the pointer on the canvas picture; drawing it a second time
// erases it without repainting anything.
#include <QPointer>
#include <algorithm>

#include "ConnectorFollowing.h"
#include "ConnectorOptions.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "DragScroller.h"
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
  QRect changed = QRect(QPoint(sx, sy), QPoint(ex, ey)).normalized();
  image->DrawOnPicture(
      [&](Canvas& c) {
        c.MoveTo(sx, sy);
        if (tool == TTool::Line || tool == TTool::Arrow) {
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
// pointer is. Returns whether the point snapped (the grid then has no say).
bool SnapDrawEnd(TwinKedrinFile& document, TTool tool, TShiftState shift, int& x, int& y) {
  OutlineHighlight* highlight = OutlineHighlight::Of(document.Surface());
  const bool connector = tool == TTool::Line || tool == TTool::Arrow;
  if (!connector || !ConnectorOptions::Instance().KeepAttached() || (shift & ssAlt) ||
      keystate::GetKeyState(VK_MENU) < 0) {
    if (highlight->Shown()) highlight->Hide();
    return false;
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
  // At an edge of the visible canvas the canvas scrolls and the band follows the pointer.
  QPointer<TwinKedrinFile> self(this);
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
  const int sx = DragStartX, sy = DragStartY;
  const int L = std::min(sx, x), R = std::max(sx, x);
  const int T = std::min(sy, y), B = std::max(sy, y);

  if (tool == TTool::Select) {
    // Every figure wholly inside the band, edges included.
    std::vector<TCustomKDTool*> meeting, inside;
    FigureSet().FiguresIn(QRect(L, T, R - L + 1, B - T + 1), meeting);
    for (TCustomKDTool* f : meeting) {
      if (L <= f->Left() && f->Left() + f->Width() <= R && T <= f->Top() && f->Top() + f->Height() <= B)
        inside.push_back(f);
    }
    SelectGroup(inside);
    return;
  }

  TCustomKDTool* figure = nullptr;
  switch (tool) {
    case TTool::Begin: figure = new TKDBegin(this); break;
    case TTool::End: figure = new TKDEnd(this); break;
    case TTool::Process: figure = new TKDProcess(this); break;
    case TTool::Ellipse: figure = new TKDEllipse(this); break;
    case TTool::Rectangle: figure = new TKDRectangle(this); break;
    case TTool::Diamond: figure = new TKDDiamond(this); break;
    case TTool::Label: figure = new TKDLabel(this); break;
    case TTool::Line: {
      auto* line = new TKDLine(this);
      line->ApplyBounds(L, T, R - L, B - T);
      // The line's own width (2) sets the minimum, whatever the current line width.
      if (line->Width() < line->LineWidth() + 2) line->SetWidth(line->LineWidth() + 2);
      if (line->Height() < line->LineWidth() + 2) line->SetHeight(line->LineWidth() + 2);
      line->SetParentControl(Surface());
      if (x > sx && y > sy) line->SetOrientation(adTopToBottom);
      else if (x > sx && y < sy) line->SetOrientation(adBottomToTop);
      else if (x < sx && y > sy) line->SetOrientation(adBottomToTop);
      else if (x < sx && y < sy) line->SetOrientation(adTopToBottom);
      else if (x == sx && y != sy) {
        line->SetOrientation(adLeftToLeft);
        line->SetLeft(line->Left() - 1);
      } else if (x != sx && y == sy) {
        line->SetOrientation(adTopToTop);
        line->SetTop(line->Top() - 1);
      }
      figure = line;
      break;
    }
    case TTool::Arrow: {
      auto* arrow = new TKDArrow(this);
      arrow->ApplyBounds(L, T, R - L, B - T);
      if (arrow->Width() < 30) arrow->SetWidth(30);
      if (arrow->Height() < 30) arrow->SetHeight(30);
      arrow->SetParentControl(Surface());
      // The head lies at the release point; a straight arrow is centred on the dragged line.
      if (x > sx && y > sy) {
        arrow->SetArrowPosition(apRight);
        arrow->SetArrowDirection(adTopToBottom);
      } else if (x > sx && y < sy) {
        arrow->SetArrowPosition(apRight);
        arrow->SetArrowDirection(adBottomToTop);
      } else if (x < sx && y > sy) {
        arrow->SetArrowPosition(apLeft);
        arrow->SetArrowDirection(adBottomToTop);
      } else if (x < sx && y < sy) {
        arrow->SetArrowPosition(apLeft);
        arrow->SetArrowDirection(adTopToBottom);
      } else if (x == sx && y != sy) {
        arrow->SetArrowPosition(y > sy ? apRight : apLeft);
        arrow->SetArrowDirection(adLeftToLeft);
        arrow->SetLeft(arrow->Left() - arrow->Width() / 2);
      } else if (x != sx && y == sy) {
        arrow->SetArrowPosition(x > sx ? apRight : apLeft);
        arrow->SetArrowDirection(adTopToTop);
        arrow->SetTop(arrow->Top() - arrow->Height() / 2);
      }
      figure = arrow;
      break;
    }
    case TTool::Select: break;
  }
  if (!figure) return;
  if (tool != TTool::Line && tool != TTool::Arrow) {
    // A click without a drag would make a figure nobody can see or select: it gets its default
    // size at the click instead. A drag, however short, gives exactly the dragged box.
    if (x == sx && y == sy) figure->ApplyBounds(L, T, figure->DefaultWidth(), figure->DefaultHeight());
    else figure->ApplyBounds(L, T, R - L, B - T);
    figure->SetParentControl(Surface());
  }
  GiveDrawingStyle(figure);
  // What the controls show is what a new figure gets: a label takes the caption typed in the
  // caption box, an arrow the rates set in their boxes (0 leaves an arrow's own).
  if (tool == TTool::Label && !CurCaption.empty()) figure->SetCaption(CurCaption);
  if (auto* arrow = qobject_cast<TKDArrow*>(figure)) {
    if (CurArrowThicknessRate > 0) arrow->SetArrowThicknessRate(static_cast<uint16_t>(std::min(CurArrowThicknessRate, 65535)));
    if (CurArrowHeadLengthRate > 0) arrow->SetArrowHeadLengthRate(static_cast<uint16_t>(std::min(CurArrowHeadLengthRate, 65535)));
  }
  WireFigure(figure);
  figure->Redraw();
  History().RecordAdded({figure}, QStringLiteral("Draw %1").arg(QString::fromLatin1(figure->ClassName() + 3)));
}
