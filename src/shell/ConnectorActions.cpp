#include "ConnectorActions.h"

#include <QCoreApplication>
#include <QAction>
#include <QMenu>
#include <QSettings>

#include "ConnectorOptions.h"
#include "LineJumpView.h"

namespace {

const QString kLineJumpsKey = QStringLiteral("view/lineJumps");

}  // namespace

QAction* AddConnectorActions(QMenu* viewMenu) {
  ConnectorOptions& options = ConnectorOptions::Instance();
  QAction* keep = viewMenu->addAction(QCoreApplication::translate("ConnectorActions", "&Keep Connectors and Labels Attached"));
  keep->setObjectName(QStringLiteral("KeepAttached1"));
  keep->setCheckable(true);
  keep->setChecked(options.KeepAttached());
  QObject::connect(keep, &QAction::toggled, keep, [](bool on) { ConnectorOptions::Instance().SetKeepAttached(on); });
  QObject::connect(&options, &ConnectorOptions::Changed, keep,
                   [keep] { keep->setChecked(ConnectorOptions::Instance().KeepAttached()); });

  QAction* jumps = viewMenu->addAction(QCoreApplication::translate("ConnectorActions", "Line &Jumps"));
  jumps->setObjectName(QStringLiteral("LineJumps1"));
  jumps->setCheckable(true);
  jumps->setStatusTip(QCoreApplication::translate("ConnectorActions", "Where two connectors cross, let the upper one hop over the other"));
  jumps->setChecked(QSettings().value(kLineJumpsKey, false).toBool());
  LineJumpView::Show(jumps->isChecked());
  QObject::connect(jumps, &QAction::toggled, jumps, [](bool on) {
    QSettings().setValue(kLineJumpsKey, on);
    LineJumpView::Show(on);
  });
  return keep;
}
