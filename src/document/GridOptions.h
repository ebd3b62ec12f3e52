#pragma once
#include <QObject>

// The grid and guide choices of the View menu, one set for the whole program, kept between runs
// (QSettings "grid/..."). Snapping to the grid and to guides is off until the user turns it on,
// so drawing and dragging behave as they always have.
class GridOptions : public QObject {
  Q_OBJECT
 public:
  // The program's options, read from the settings on first use.
  static GridOptions& Instance();

  bool ShowGrid() const { return showGrid_; }
  bool SnapToGrid() const { return snapToGrid_; }
  bool SmartGuides() const { return smartGuides_; }
  // Canvas pixels between grid lines, 5 to 100.
  int GridSize() const { return gridSize_; }

  // Each setter stores the choice in the settings and repaints every canvas when it shows.
  void SetShowGrid(bool on);
  void SetSnapToGrid(bool on);
  void SetSmartGuides(bool on);
  // Clamped to 5..100.
  void SetGridSize(int size);
  // Reads the settings again (the defaults for what they lack).
  void Load();

 signals:
  void Changed();

 private:
  GridOptions();
  void Store();

  bool showGrid_ = false;
  bool snapToGrid_ = false;
  bool smartGuides_ = false;
  int gridSize_ = 10;
};
