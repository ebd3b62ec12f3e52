#include "GridOptions.h"

#include <QApplication>
#include <QSettings>
#include <algorithm>

#include "GridSnap.h"
#include "TScrollBox.h"

namespace {
const QString kShow = QStringLiteral("grid/show");
const QString kSnap = QStringLiteral("grid/snap");
const QString kGuides = QStringLiteral("grid/guides");
const QString kSize = QStringLiteral("grid/size");

// Every open canvas shows the grid as it is now.
void RepaintCanvases() {
  for (QWidget* top : QApplication::topLevelWidgets())
    for (TCanvasSurface* surface : top->findChildren<TCanvasSurface*>()) surface->update();
}
}  // namespace

GridOptions::GridOptions() { Load(); }

GridOptions& GridOptions::Instance() {
  static GridOptions* options = new GridOptions;
  return *options;
}

void GridOptions::Load() {
  QSettings settings;
  showGrid_ = settings.value(kShow, false).toBool();
  snapToGrid_ = settings.value(kSnap, false).toBool();
  smartGuides_ = settings.value(kGuides, false).toBool();
  gridSize_ = std::clamp(settings.value(kSize, arrange::kDefaultGrid).toInt(), arrange::kMinGrid, arrange::kMaxGrid);
}

void GridOptions::Store() {
  QSettings settings;
  settings.setValue(kShow, showGrid_);
  settings.setValue(kSnap, snapToGrid_);
  settings.setValue(kGuides, smartGuides_);
  settings.setValue(kSize, gridSize_);
  emit Changed();
}

void GridOptions::SetShowGrid(bool on) {
  if (on == showGrid_) return;
  showGrid_ = on;
  Store();
  RepaintCanvases();
}

void GridOptions::SetSnapToGrid(bool on) {
  if (on == snapToGrid_) return;
  snapToGrid_ = on;
  Store();
}

void GridOptions::SetSmartGuides(bool on) {
  if (on == smartGuides_) return;
  smartGuides_ = on;
  Store();
}

void GridOptions::SetGridSize(int size) {
  size = std::clamp(size, arrange::kMinGrid, arrange::kMaxGrid);
  if (size == gridSize_) return;
  gridSize_ = size;
  Store();
  if (showGrid_) RepaintCanvases();
}
