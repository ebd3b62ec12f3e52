#include "FigurePressRouter.h"

#include "ConnectorOptions.h"
#include "CustomKDTool.h"
#include "MainWindowLink.h"
#include "TImage.h"
#include "TwinKedrinFile.h"

FigurePressRouter::FigurePressRouter(TwinKedrinFile& document) : QObject(&document), document_(document) {}

void FigurePressRouter::Install(TwinKedrinFile& document) {
  auto* router = new FigurePressRouter(document);
  document.setProperty("figurePressRouter", QVariant::fromValue<QObject*>(router));
}

bool FigurePressRouter::FigurePressed(QObject* figure, int x, int y) {
  auto* f = qobject_cast<TCustomKDTool*>(figure);
  TMainWindowLink* main = document_.MainWindow();
  if (!f || !main || main->CurrentTool() == TTool::Select || !ConnectorOptions::Instance().KeepAttached()) return false;
  const QPoint canvas = f->BoundsRect().topLeft() + QPoint(x, y);
  document_.imgKedrinMouseDown(mbLeft, 0, canvas.x(), canvas.y());
  // The figure had the press: the rest of the drag goes to the canvas image, which lets it go on
  // the release.
  document_.imgKedrin->grabMouse();
  return true;
}
