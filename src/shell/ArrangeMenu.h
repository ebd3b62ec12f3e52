#pragma once
#include <QObject>
#include <functional>
#include <vector>

#include "ArrangeSelection.h"

class QAction;
class QMenu;
class TwinKedrinFile;

// The Arrange menu: align, distribute and same-size commands on the current document's
// selection. An item is enabled only when the selection has enough figures for it (two, three to
// distribute); the items are checked again each time the menu opens and when Refresh is called
// (another document became current).
class ArrangeMenu : public QObject {
  Q_OBJECT
 public:
  ArrangeMenu(QMenu* menu, std::function<TwinKedrinFile*()> currentDocument, QObject* parent = nullptr);

  QMenu* Menu() const { return menu_; }
  QAction* Action(ArrangeCommand command) const;
  void Refresh();

 private:
  void Run(ArrangeCommand command);

  QMenu* menu_;
  std::function<TwinKedrinFile*()> currentDocument_;
  std::vector<std::pair<ArrangeCommand, QAction*>> actions_;
};
