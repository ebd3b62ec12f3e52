// A figure drawn out on the canvas with a drawing tool: its class, box, course and heads from
// the press and release points, the document's drawing style, and one step of the history.
#include "CanvasDrawing.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "ArrowHeads.h"
#include "ConnectorGeometry.h"
#include "ConnectorOptions.h"
#include "DocumentHistory.h"
#include "KDTools.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

void GiveProportionateHead(TKDArrow& arrow) {
  const connectors::Ends ends = connectors::EndsOf(arrow.BoundsRect(), arrow.ArrowDirection());
  const QPoint shaft = ends.end - ends.start;
  const int length = static_cast<int>(std::lround(std::hypot(shaft.x(), shaft.y())));
  const connectors::ArrowRates rates = connectors::HeadRates(arrow.LineWidth(), length);
  arrow.SetArrowThicknessRate(static_cast<uint16_t>(rates.thicknessRate));
  arrow.SetArrowHeadLengthRate(static_cast<uint16_t>(rates.headLengthRate));
}

TCustomKDTool* DrawFigure(TwinKedrinFile& d, TTool tool, QPoint start, QPoint end) {
  const int sx = start.x(), sy = start.y(), x = end.x(), y = end.y();
  const int L = std::min(sx, x), R = std::max(sx, x);
  const int T = std::min(sy, y), B = std::max(sy, y);
  TCustomKDTool* figure = nullptr;
  switch (tool) {
    case TTool::Begin: figure = new TKDBegin(&d); break;
    case TTool::End: figure = new TKDEnd(&d); break;
    case TTool::Process: figure = new TKDProcess(&d); break;
    case TTool::Ellipse: figure = new TKDEllipse(&d); break;
    case TTool::Rectangle: figure = new TKDRectangle(&d); break;
    case TTool::Diamond: figure = new TKDDiamond(&d); break;
    case TTool::Label: figure = new TKDLabel(&d); break;
    case TTool::Line: {
      auto* line = new TKDLine(&d);
      line->ApplyBounds(L, T, R - L, B - T);
      // The line's own width (2) sets the minimum, whatever the current line width.
      if (line->Width() < line->LineWidth() + 2) line->SetWidth(line->LineWidth() + 2);
      if (line->Height() < line->LineWidth() + 2) line->SetHeight(line->LineWidth() + 2);
      line->SetParentControl(d.Surface());
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
      auto* arrow = new TKDArrow(&d);
      arrow->ApplyBounds(L, T, R - L, B - T);
      if (arrow->Width() < 30) arrow->SetWidth(30);
      if (arrow->Height() < 30) arrow->SetHeight(30);
      arrow->SetParentControl(d.Surface());
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
    case TTool::Select:
    case TTool::Connector: break;
  }
  if (!figure) return nullptr;
  if (tool != TTool::Line && tool != TTool::Arrow) {
    // A click without a drag would make a figure nobody can see or select: it gets its default
    // size at the click instead. A drag, however short, gives exactly the dragged box.
    if (x == sx && y == sy) figure->ApplyBounds(L, T, figure->DefaultWidth(), figure->DefaultHeight());
    else figure->ApplyBounds(L, T, R - L, B - T);
    figure->SetParentControl(d.Surface());
  }
  d.GiveDrawingStyle(figure);
  // With the switch off a new figure keeps its own caption ("KDLabel") and an arrow the class's
  // head (rates 10 and 2): the caption and arrow controls act on the selection only. With it on,
  // what the controls show is what a new figure gets: a label takes the caption typed in the
  // caption box, an arrow a head in proportion to its line, or the rates set in their boxes (0
  // leaves the arrow's own).
  if (ConnectorOptions::Instance().KeepAttached()) {
    if (tool == TTool::Label && !d.CurCaption.empty()) figure->SetCaption(d.CurCaption);
    if (auto* arrow = qobject_cast<TKDArrow*>(figure)) {
      GiveProportionateHead(*arrow);
      if (d.CurArrowThicknessRate > 0) arrow->SetArrowThicknessRate(static_cast<uint16_t>(std::min(d.CurArrowThicknessRate, 65535)));
      if (d.CurArrowHeadLengthRate > 0) arrow->SetArrowHeadLengthRate(static_cast<uint16_t>(std::min(d.CurArrowHeadLengthRate, 65535)));
    }
  }
  d.WireFigure(figure);
  figure->Redraw();
  // The step names the figure as the palette and Insert > Drawing Tool do, whole, for translators.
  const QString step = [tool] {
    switch (tool) {
      case TTool::Begin: return QCoreApplication::translate("TwinKedrinFile", "Draw Start Mark");
      case TTool::End: return QCoreApplication::translate("TwinKedrinFile", "Draw End Mark");
      case TTool::Process: return QCoreApplication::translate("TwinKedrinFile", "Draw Process");
      case TTool::Diamond: return QCoreApplication::translate("TwinKedrinFile", "Draw Decision");
      case TTool::Ellipse: return QCoreApplication::translate("TwinKedrinFile", "Draw Ellipse");
      case TTool::Rectangle: return QCoreApplication::translate("TwinKedrinFile", "Draw Rectangle");
      case TTool::Label: return QCoreApplication::translate("TwinKedrinFile", "Draw Text Label");
      case TTool::Line: return QCoreApplication::translate("TwinKedrinFile", "Draw Line");
      case TTool::Arrow: return QCoreApplication::translate("TwinKedrinFile", "Draw Arrow");
      case TTool::Select:
      case TTool::Connector: break;  // they draw no figure here
    }
    return QString();
  }();
  d.History().RecordAdded({figure}, step);
  return figure;
}
