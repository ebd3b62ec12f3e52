#include "ContainerFeatures.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QStatusBar>

#include "ContainerCommands.h"
#include "SwimlanesDialog.h"
#include "TwinKedrinFile.h"
#include "TwinMain.h"

namespace {

SwimlaneAsker& Asker() {
  static SwimlaneAsker asker;
  return asker;
}

std::optional<SwimlaneChoice> Ask(QWidget* parent) {
  if (Asker()) return Asker()(parent);
  SwimlanesDialog dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return SwimlaneChoice{dialog.Count(), dialog.Rows()};
}


QAction* AddAction(QMenu* menu, const char* name, const QString& text, const QString& tip) {
  QAction* a = menu->addAction(text);
  a->setObjectName(QString::fromLatin1(name));
  a->setStatusTip(tip);
  return a;
}

void AddInsertItems(TwinMain& main) {
  QAction* container = AddAction(main.Insert1, "InsertContainer1", QCoreApplication::translate("ContainerFeatures", "&Container"),
                                 QCoreApplication::translate("ContainerFeatures", "Put a titled container around the selection"));
  container->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
  QObject::connect(container, &QAction::triggered, &main, [&main] {
    if (TwinKedrinFile* doc = main.CurrentDocument()) containercommands::InsertContainer(*doc);
  });
  QAction* lanes = AddAction(main.Insert1, "InsertSwimlanes1", QCoreApplication::translate("ContainerFeatures", "&Swimlanes..."),
                             QCoreApplication::translate("ContainerFeatures", "Put a pool of lanes, one for each actor, in the middle of the view"));
  QObject::connect(lanes, &QAction::triggered, &main, [&main] {
    TwinKedrinFile* doc = main.CurrentDocument();
    if (!doc) return;
    if (const std::optional<SwimlaneChoice> choice = Ask(&main)) containercommands::InsertPool(*doc, choice->count, choice->rows);
  });
  QObject::connect(main.Insert1, &QMenu::aboutToShow, container, [&main, container, lanes] {
    const bool doc = main.CurrentDocument() != nullptr;
    container->setEnabled(doc);
    lanes->setEnabled(doc);
  });
}

void AddArrangeItems(TwinMain& main) {
  main.Arrange1->addSeparator();
  QAction* remove = AddAction(main.Arrange1, "RemoveContainer1", QCoreApplication::translate("ContainerFeatures", "Remove Conta&iner"),
                              QCoreApplication::translate("ContainerFeatures", "Take the container's rectangle and title away and keep what it holds"));
  QObject::connect(remove, &QAction::triggered, &main, [&main] {
    TwinKedrinFile* doc = main.CurrentDocument();
    if (!doc || !containercommands::RemoveContainer(*doc))
      main.statusBar()->showMessage(QCoreApplication::translate("ContainerFeatures", "Select a container"), 3000);
  });
  QMenu* lanes = main.Arrange1->addMenu(QCoreApplication::translate("ContainerFeatures", "La&nes"));
  lanes->setObjectName(QStringLiteral("Lanes1"));
  using containercommands::LaneEdit;
  const std::tuple<const char*, QString, LaneEdit> items[] = {
      {"AddLane1", QCoreApplication::translate("ContainerFeatures", "&Add Lane"), LaneEdit::Add},
      {"RemoveLane1", QCoreApplication::translate("ContainerFeatures", "&Remove Lane"), LaneEdit::Remove},
      {"MoveLaneUp1", QCoreApplication::translate("ContainerFeatures", "Move Lane &Up"), LaneEdit::Earlier},
      {"MoveLaneDown1", QCoreApplication::translate("ContainerFeatures", "Move Lane &Down"), LaneEdit::Later},
  };
  std::vector<QAction*> actions;
  for (const auto& [name, text, edit] : items) {
    QAction* a = AddAction(lanes, name, text, QCoreApplication::translate("ContainerFeatures", "Change the pool of the lane that is selected or holds the selection"));
    actions.push_back(a);
    QObject::connect(a, &QAction::triggered, &main, [&main, edit = edit] {
      TwinKedrinFile* doc = main.CurrentDocument();
      if (!doc || !containercommands::EditLanes(*doc, edit))
        main.statusBar()->showMessage(QCoreApplication::translate("ContainerFeatures", "Select a lane or a step in one"), 3000);
    });
  }
  QObject::connect(main.Arrange1, &QMenu::aboutToShow, lanes, [&main, remove, lanes, actions] {
    TwinKedrinFile* doc = main.CurrentDocument();
    bool rows = true;
    remove->setEnabled(doc && containercommands::SelectedContainer(*doc));
    lanes->setEnabled(doc && containercommands::InLane(*doc, &rows));
    // Lanes side by side move left and right.
    actions[2]->setText(rows ? QCoreApplication::translate("ContainerFeatures", "Move Lane &Up") : QCoreApplication::translate("ContainerFeatures", "Move Lane &Left"));
    actions[3]->setText(rows ? QCoreApplication::translate("ContainerFeatures", "Move Lane &Down") : QCoreApplication::translate("ContainerFeatures", "Move Lane &Right"));
  });
}

}  // namespace

void SetSwimlaneAsker(SwimlaneAsker asker) { Asker() = std::move(asker); }

void InstallContainerFeatures(TwinMain& main) {
  AddInsertItems(main);
  AddArrangeItems(main);
}
