#include "ConnectorFormSetting.h"

#include <QSettings>
#include <QString>

namespace connectorform {

namespace {
const char* const kKey = "layout/connectors";
}

bool Elbow() { return QSettings().value(kKey).toString() != QLatin1String("straight"); }

void SetElbow(bool elbow) { QSettings().setValue(kKey, elbow ? QStringLiteral("elbow") : QStringLiteral("straight")); }

}  // namespace connectorform
