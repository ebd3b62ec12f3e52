#include "DrawingTools.h"

#include "BandSelection.h"
#include "CanvasDrawing.h"
#include "ConnectorDrawing.h"
#include "ConnectorFollowing.h"
#include "ConnectorOptions.h"
#include "Diagram.h"
#include "KDTools.h"
#include "KeyState.h"
#include "OutlineHighlight.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {
// Alt held draws where the pointer is.
bool AltHeld(TShiftState shift) { return (shift & ssAlt) || keystate::GetKeyState(VK_MENU) < 0; }

// Traces the figure the end joins, or hides the trace; returns whether there is one.
bool Trace(TwinKedrinFile& document, connectors::FigureId figure) {
  OutlineHighlight* highlight = document.Surface()->Highlight();
  if (!figure) {
    if (highlight->Shown()) highlight->Hide();
    return false;
  }
  highlight->Show(DescribeFigure(*static_cast<const TCustomKDTool*>(figure), 0));
  return true;
}
}  // namespace

void SelectTool::Finish(QPoint start, QPoint end, TShiftState shift) {
  SelectInBand(document_, BandBetween(start, end), shift);
}

void ShapeTool::Finish(QPoint start, QPoint end, TShiftState) { DrawFigure(document_, kind_, start, end); }

// With connectors kept attached, an end drawn near a closed figure's outline goes onto it.
bool StrokeTool::SnapEnd(TShiftState shift, QPoint& point) {
  if (!ConnectorOptions::Instance().KeepAttached() || AltHeld(shift)) return Trace(document_, nullptr);
  const connectors::OutlineSnap snap = SnapOnCanvas(document_.FigureSet(), point);
  if (!Trace(document_, snap.figure)) return false;
  point = snap.point;
  return true;
}

void StrokeTool::Finish(QPoint start, QPoint end, TShiftState) { DrawFigure(document_, kind_, start, end); }

// The shape under the point is joined wherever on it; the point itself stays where it is, since
// it tells which side the route takes.
bool ConnectTool::SnapEnd(TShiftState shift, QPoint& point) {
  if (AltHeld(shift)) return Trace(document_, nullptr);
  return Trace(document_, connectors::ShapeForEnd(point, QueryOf(document_.FigureSet())));
}

void ConnectTool::Finish(QPoint start, QPoint end, TShiftState) { DrawConnector(document_, start, end); }
