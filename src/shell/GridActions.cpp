#include "GridActions.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>

#include "DragSnapping.h"
#include "GridOptions.h"
#include "GridSnap.h"

namespace {
std::optional<int> RunGridSizeDialog(QWidget* parent, int current) {
  bool ok = false;
  const int size = QInputDialog::getInt(parent, GridActions::tr("Grid Size"),
                                        GridActions::tr("Canvas pixels between grid lines (%1 to %2):")
                                            .arg(arrange::kMinGrid)
                                            .arg(arrange::kMaxGrid),
                                        current, arrange::kMinGrid, arrange::kMaxGrid, 1, &ok);
  if (!ok) return std::nullopt;
  return size;
}

QAction* MakeToggle(QMenu* menu, const char* name, const char* caption) {
  QAction* a = menu->addAction(GridActions::tr(caption));
  a->setObjectName(QLatin1String(name));
  a->setCheckable(true);
  return a;
}
}  // namespace

GridActions::GridActions(QMenu* viewMenu) : QObject(viewMenu), AskGridSize(RunGridSizeDialog) {
  // What the options govern must be in place before a drag can start.
  InstallDragSnapping();
  show_ = MakeToggle(viewMenu, "ShowGrid1", QT_TR_NOOP("Show &Grid"));
  snap_ = MakeToggle(viewMenu, "SnapToGrid1", QT_TR_NOOP("&Snap to Grid"));
  size_ = viewMenu->addAction(tr("Grid Si&ze..."));
  size_->setObjectName(QStringLiteral("GridSize1"));
  guides_ = MakeToggle(viewMenu, "SmartGuides1", QT_TR_NOOP("Smart G&uides"));
  GridOptions& options = GridOptions::Instance();
  connect(show_, &QAction::toggled, this, [](bool on) { GridOptions::Instance().SetShowGrid(on); });
  connect(snap_, &QAction::toggled, this, [](bool on) { GridOptions::Instance().SetSnapToGrid(on); });
  connect(guides_, &QAction::toggled, this, [](bool on) { GridOptions::Instance().SetSmartGuides(on); });
  connect(size_, &QAction::triggered, this, [this, viewMenu] {
    if (!AskGridSize) return;
    if (std::optional<int> size = AskGridSize(viewMenu->window(), GridOptions::Instance().GridSize()))
      GridOptions::Instance().SetGridSize(*size);
  });
  connect(&options, &GridOptions::Changed, this, [this] { Show(); });
  Show();
}

void GridActions::Show() {
  const GridOptions& options = GridOptions::Instance();
  show_->setChecked(options.ShowGrid());
  snap_->setChecked(options.SnapToGrid());
  guides_->setChecked(options.SmartGuides());
  size_->setText(tr("Grid Si&ze (%1)...").arg(options.GridSize()));
}

GridActions* AddGridActions(QMenu* viewMenu) { return new GridActions(viewMenu); }
