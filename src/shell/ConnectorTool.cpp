#include "ConnectorTool.h"

#include <QCoreApplication>
#include <QAction>
#include <QButtonGroup>
#include <QToolBar>
#include <QToolButton>

#include "Icons.h"
#include "QuickConnectButtons.h"
#include "TwinKedrinFile.h"
#include "TwinMain.h"

void InstallConnectorTool(TwinMain& main) {
  if (!main.ToolBar2 || !main.btnArrow || main.ToolBar2->findChild<QToolButton*>(QStringLiteral("btnConnector")))
    return;
  auto* b = new QToolButton(main.ToolBar2);
  b->setObjectName(QStringLiteral("btnConnector"));
  b->setToolTip(QCoreApplication::translate("ConnectorTool", "Connector"));
  b->setIcon(icons::Load(QStringLiteral("tool-connector")));
  b->setIconSize(QSize(16, 16));
  b->setAutoRaise(true);
  b->setCheckable(true);
  b->setFocusPolicy(Qt::NoFocus);
  if (QButtonGroup* group = main.btnArrow->group()) group->addButton(b);
  // At the end of the palette: the tools users know keep their places.
  main.ToolBar2->addWidget(b);
  // Every document, present and to come, gets the quick-connect arrows beside its selected shape.
  for (TwinKedrinFile* d : main.Documents()) QuickConnectButtons::Install(*d);
  QObject::connect(&main, &TwinMain::DocumentAdded, b, [](TwinKedrinFile* d) {
    if (d) QuickConnectButtons::Install(*d);
  });
}
