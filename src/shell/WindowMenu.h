#pragma once
#include <QObject>

class QAction;
class QMdiArea;
class QMenu;

// The Window menu: cascade, tile, close, close all, next and previous document, and a numbered
// list of the open documents with the active one ticked, all through the multiple-document
// area's own operations except Cascade, which keeps the windows large (CascadeRects). The list is
// rebuilt whenever the menu opens.
class WindowMenu : public QObject {
  Q_OBJECT
 public:
  WindowMenu(QMenu* menu, QMdiArea* area);

  QAction *Cascade, *Tile, *Close, *CloseAll, *Next, *Previous;

 private:
  void Rebuild();
  void CascadeWindows();

  QMenu* menu_;
  QMdiArea* area_;
  QAction* listStart_;
};
