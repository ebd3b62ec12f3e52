#include "WindowMenu.h"

#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>

#include "CascadeLayout.h"
#include "TwinKedrinFile.h"

namespace {
QAction* Item(QMenu* menu, const char* name, const QString& caption) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(QLatin1String(name));
  return a;
}
}  // namespace

WindowMenu::WindowMenu(QMenu* menu, QMdiArea* area) : QObject(menu), menu_(menu), area_(area) {
  Cascade = Item(menu, "Cascade1", tr("&Cascade"));
  Tile = Item(menu, "Tile1", tr("&Tile"));
  menu->addSeparator();
  Close = Item(menu, "Close1", tr("Cl&ose"));
  Close->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)});
  CloseAll = Item(menu, "CloseAll1", tr("Close &All"));
  menu->addSeparator();
  Next = Item(menu, "Next1", tr("Ne&xt"));
  Next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
  Previous = Item(menu, "Previous1", tr("Pre&vious"));
  Previous->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab));
  listStart_ = menu->addSeparator();

  connect(Cascade, &QAction::triggered, this, &WindowMenu::CascadeWindows);
  connect(Tile, &QAction::triggered, area, &QMdiArea::tileSubWindows);
  connect(Close, &QAction::triggered, area, &QMdiArea::closeActiveSubWindow);
  connect(CloseAll, &QAction::triggered, area, &QMdiArea::closeAllSubWindows);
  connect(Next, &QAction::triggered, area, &QMdiArea::activateNextSubWindow);
  connect(Previous, &QAction::triggered, area, &QMdiArea::activatePreviousSubWindow);
  connect(menu, &QMenu::aboutToShow, this, &WindowMenu::Rebuild);
  // The keys work without the menu being opened: their items follow the open documents.
  connect(area, &QMdiArea::subWindowActivated, this, &WindowMenu::Rebuild);
  Rebuild();
}

void WindowMenu::Rebuild() {
  // The numbered list after the last separator.
  const QList<QAction*> actions = menu_->actions();
  for (qsizetype i = actions.indexOf(listStart_) + 1; i < actions.size(); ++i) {
    menu_->removeAction(actions[i]);
    actions[i]->deleteLater();
  }
  const QList<QMdiSubWindow*> windows = area_->subWindowList(QMdiArea::CreationOrder);
  listStart_->setVisible(!windows.isEmpty());
  for (QAction* a : {Close, CloseAll, Next, Previous, Cascade, Tile}) a->setEnabled(!windows.isEmpty());
  auto* group = new QActionGroup(menu_);
  for (qsizetype i = 0; i < windows.size(); ++i) {
    QMdiSubWindow* sub = windows[i];
    QString title = sub->widget() ? sub->widget()->windowTitle() : sub->windowTitle();
    title.replace(QStringLiteral("[*]"), sub->widget() && sub->widget()->isWindowModified() ? QStringLiteral("*") : QString());
    title.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* item = menu_->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title);
    item->setObjectName(QStringLiteral("WindowItem%1").arg(i + 1));
    item->setCheckable(true);
    item->setChecked(sub == area_->activeSubWindow());
    group->addAction(item);
    connect(item, &QAction::triggered, area_, [area = area_, sub] { area->setActiveSubWindow(sub); });
  }
}

void WindowMenu::CascadeWindows() {
  // Qt's own cascade sizes the windows by their size hints, which leaves a document a corner of
  // its canvas. Minimised and hidden windows stay where they are, as in Qt's cascade.
  std::vector<QMdiSubWindow*> windows;
  for (QMdiSubWindow* sub : area_->subWindowList(QMdiArea::StackingOrder))
    if (sub->isVisible() && !sub->isMinimized()) windows.push_back(sub);
  if (windows.empty()) return;
  for (QMdiSubWindow* sub : windows)
    if (sub->isMaximized()) sub->showNormal();
  std::vector<QSize> sizes;
  for (QMdiSubWindow* sub : windows) sizes.push_back(sub->size());
  const int step = windows.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.front());
  // The area as it is once the cascade fits: without the scroll bars windows past it show now.
  const std::vector<QRect> rects = CascadeRects(area_->maximumViewportSize(), sizes, step);
  for (size_t i = 0; i < windows.size(); ++i) windows[i]->setGeometry(rects[i]);
}
