#include "FigurePressRouter.h"

#include "Connector.h"
#include "ConnectorOptions.h"
#include "CustomKDTool.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "KDTools.h"
#include "MainWindowLink.h"
#include "ShapeText.h"
#include "TImage.h"
#include "TSizerList.h"
#include "TwinKedrinFile.h"

bool FigurePressRouter::FigurePressed(TCustomKDTool& figure, int x, int y, bool onFrame) {
  TMainWindowLink* main = document_.MainWindow();
  if (!main) return false;
  const TTool tool = main->CurrentTool();
  if (onFrame && tool == TTool::Select) return false;
  // The Connector tool starts on a shape whatever the switch says: that is where it is used.
  if (!ConnectorOptions::Instance().KeepAttached() && tool != TTool::Connector) return false;
  if (tool == TTool::Select) return PressOnText(figure, x, y) || PressOnRoute(figure, x, y);
  const QPoint canvas = figure.BoundsRect().topLeft() + QPoint(x, y);
  document_.imgKedrinMouseDown(mbLeft, 0, canvas.x(), canvas.y());
  // The figure had the press: the rest of the drag goes to the canvas image, which lets it go on
  // the release.
  document_.imgKedrin->grabMouse();
  return true;
}

bool FigurePressRouter::PressOnText(TCustomKDTool& figure, int x, int y) {
  if (!qobject_cast<TKDLabel*>(&figure)) return false;
  DiagramItems items(document_.FigureSet());
  const semantics::Item* shape = semantics::ShapeOfText(items.Of(&figure), items.Query());
  TCustomKDTool* owner = shape ? items.FigureOf(*shape) : nullptr;
  if (!owner) return false;
  // The shape takes the press, as if its text were not there: it is selected and dragged, and its
  // text goes with it.
  const QPoint local = figure.BoundsRect().topLeft() + QPoint(x, y) - owner->BoundsRect().topLeft();
  SendMessage(owner, WM_LBUTTONDOWN, 0, MakeLParam(local.x(), local.y()));
  return true;
}

bool FigurePressRouter::PressOnRoute(TCustomKDTool& figure, int x, int y) {
  if (!qobject_cast<TKDLine*>(&figure) && !qobject_cast<TKDArrow*>(&figure)) return false;
  DiagramItems items(document_.FigureSet());
  const std::optional<semantics::Connector> route = semantics::ConnectorOf(items.Of(&figure), items.Query());
  if (!route || route->segments.size() < 2) return false;
  std::vector<TCustomKDTool*> segments;
  for (const semantics::Item* s : route->segments)
    if (TCustomKDTool* f = items.FigureOf(*s)) segments.push_back(f);
  const QPoint canvas = figure.BoundsRect().topLeft() + QPoint(x, y);
  TSizerList* group = document_.SelectGroup(segments);
  if (!group) return false;
  const QPoint local = canvas - group->BoundsRect().topLeft();
  SendMessage(group, WM_LBUTTONDOWN, 0, MakeLParam(local.x(), local.y()));
  return true;
}
