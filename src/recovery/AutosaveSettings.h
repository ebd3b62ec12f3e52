#pragma once

class QSettings;

// The user's autosave options, kept in QSettings under "autosave/".
struct AutosaveSettings {
  static constexpr int kDefaultDelaySeconds = 5;
  static constexpr int kMinDelaySeconds = 1;
  static constexpr int kMaxDelaySeconds = 600;

  bool enabled = true;
  int delaySeconds = kDefaultDelaySeconds;  // kept within the limits above

  // Missing or unusable values read as the defaults.
  static AutosaveSettings Load(const QSettings& settings);
  // The application's settings (organisation and application names set at start).
  static AutosaveSettings Load();
  void Save(QSettings& settings) const;
  void Save() const;

  friend bool operator==(const AutosaveSettings&, const AutosaveSettings&) = default;
};
