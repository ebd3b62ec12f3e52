#include "AutosaveSettings.h"

#include <QSettings>
#include <algorithm>

namespace {
const QString kEnabled = QStringLiteral("autosave/enabled");
const QString kDelay = QStringLiteral("autosave/delaySeconds");
}  // namespace

AutosaveSettings AutosaveSettings::Load(const QSettings& settings) {
  AutosaveSettings s;
  const QVariant enabled = settings.value(kEnabled);
  if (enabled.canConvert<bool>()) s.enabled = enabled.toBool();
  bool ok = false;
  const int delay = settings.value(kDelay).toInt(&ok);
  if (ok) s.delaySeconds = std::clamp(delay, kMinDelaySeconds, kMaxDelaySeconds);
  return s;
}

AutosaveSettings AutosaveSettings::Load() { return Load(QSettings()); }

void AutosaveSettings::Save(QSettings& settings) const {
  settings.setValue(kEnabled, enabled);
  settings.setValue(kDelay, std::clamp(delaySeconds, kMinDelaySeconds, kMaxDelaySeconds));
}

void AutosaveSettings::Save() const {
  QSettings settings;
  Save(settings);
}
