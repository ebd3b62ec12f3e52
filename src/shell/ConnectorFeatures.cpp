#include "ConnectorFeatures.h"

#include <QCoreApplication>
#include <QAction>
#include <QMenu>
#include <QStatusBar>

#include "ConnectorStyle.h"
#include "ConnectorTool.h"
#include "Icons.h"
#include "LineJumpView.h"
#include "TwinKedrinFile.h"
#include "TwinMain.h"

namespace {

void AddConnectorStyleMenu(TwinMain& main) {
  main.Arrange1->addSeparator();
  QMenu* menu = main.Arrange1->addMenu(QCoreApplication::translate("ConnectorFeatures", "Connector &Style"));
  menu->setObjectName(QStringLiteral("ConnectorStyle1"));
  menu->menuAction()->setIcon(icons::Load(QStringLiteral("tool-connector")));
  const std::tuple<const char*, QString, ConnectorShape> shapes[] = {
      {"ConnectorStyleElbow1", QCoreApplication::translate("ConnectorFeatures", "&Elbow"), ConnectorShape::Elbow},
      {"ConnectorStyleStraight1", QCoreApplication::translate("ConnectorFeatures", "&Straight"), ConnectorShape::Straight},
  };
  for (const auto& [name, text, shape] : shapes) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setStatusTip(QCoreApplication::translate("ConnectorFeatures", "Draw the selected connectors between two shapes again, %1")
                        .arg(shape == ConnectorShape::Elbow ? QCoreApplication::translate("ConnectorFeatures", "at right angles")
                                                            : QCoreApplication::translate("ConnectorFeatures", "as one straight arrow")));
    QObject::connect(a, &QAction::triggered, &main, [&main, shape = shape] {
      TwinKedrinFile* doc = main.CurrentDocument();
      if (doc && SetConnectorShape(*doc, shape) == 0)
        main.statusBar()->showMessage(QCoreApplication::translate("ConnectorFeatures", "Select connectors that join two shapes"), 3000);
    });
  }
  QObject::connect(main.Arrange1, &QMenu::aboutToShow, menu, [&main, menu] {
    TwinKedrinFile* doc = main.CurrentDocument();
    menu->setEnabled(doc && !doc->SelectedFigures().empty());
  });
}

}  // namespace

void InstallConnectorFeatures(TwinMain& main) {
  InstallConnectorTool(main);
  AddConnectorStyleMenu(main);
  // Every document's canvas draws the hops of View > Line Jumps.
  QObject::connect(&main, &TwinMain::DocumentAdded, &main, [](TwinKedrinFile* doc) {
    if (doc) LineJumpView::Install(*doc);
  });
  if (TwinKedrinFile* doc = main.CurrentDocument()) LineJumpView::Install(*doc);
}
