#pragma once
#include <QObject>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

// The View menu's grid items: Show Grid, Snap to Grid, Grid Size... and Smart Guides, showing and
// changing the program's grid options (remembered between runs).
class GridActions : public QObject {
  Q_OBJECT
 public:
  // Adds the items to the end of the menu.
  explicit GridActions(QMenu* viewMenu);

  QAction* ShowGrid() const { return show_; }
  QAction* SnapToGrid() const { return snap_; }
  QAction* GridSize() const { return size_; }
  QAction* SmartGuides() const { return guides_; }

  // Asks for a grid size starting from the current one; none when cancelled. Tests answer it.
  std::function<std::optional<int>(QWidget* parent, int current)> AskGridSize;

 private:
  void Show();

  QAction* show_;
  QAction* snap_;
  QAction* size_;
  QAction* guides_;
};

// Adds the grid items to a View menu.
GridActions* AddGridActions(QMenu* viewMenu);
