#include "ConnectorOptions.h"

#include <QSettings>

namespace {
const QString kKeepAttached = QStringLiteral("connectors/keepAttached");
}  // namespace

ConnectorOptions::ConnectorOptions() { Load(); }

ConnectorOptions& ConnectorOptions::Instance() {
  static ConnectorOptions* options = new ConnectorOptions;
  return *options;
}

void ConnectorOptions::Load() { keepAttached_ = QSettings().value(kKeepAttached, true).toBool(); }

void ConnectorOptions::SetKeepAttached(bool on) {
  if (on == keepAttached_) return;
  keepAttached_ = on;
  QSettings().setValue(kKeepAttached, on);
  emit Changed();
}
