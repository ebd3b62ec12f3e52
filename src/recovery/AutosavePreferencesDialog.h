#pragma once
#include <QDialog>

#include "AutosaveSettings.h"

class AutosaveManager;
class QCheckBox;
class QSpinBox;

// The autosave options: on or off, and the delay in seconds.
class AutosavePreferencesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AutosavePreferencesDialog(const AutosaveSettings& settings, QWidget* parent = nullptr);

  AutosaveSettings Settings() const;
  QCheckBox* EnabledBox() const { return enabled_; }
  QSpinBox* DelayBox() const { return delay_; }

  // Edit ▸ Preferences: shows the dialog; on OK keeps the options in QSettings and applies them.
  // Returns whether the user pressed OK.
  static bool Edit(QWidget* parent, AutosaveManager& manager);

 private:
  QCheckBox* enabled_;
  QSpinBox* delay_;
};
