#include "ConnectorActions.h"

#include <QCoreApplication>
#include <QAction>
#include <QMenu>

#include "ConnectorOptions.h"

QAction* AddConnectorActions(QMenu* viewMenu) {
  ConnectorOptions& options = ConnectorOptions::Instance();
  QAction* keep = viewMenu->addAction(QCoreApplication::translate("ConnectorActions", "&Keep Connectors and Labels Attached"));
  keep->setObjectName(QStringLiteral("KeepAttached1"));
  keep->setCheckable(true);
  keep->setChecked(options.KeepAttached());
  QObject::connect(keep, &QAction::toggled, keep, [](bool on) { ConnectorOptions::Instance().SetKeepAttached(on); });
  QObject::connect(&options, &ConnectorOptions::Changed, keep,
                   [keep] { keep->setChecked(ConnectorOptions::Instance().KeepAttached()); });
  return keep;
}
