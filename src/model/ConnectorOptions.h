#pragma once
#include <QObject>

// View > Keep Connectors and Labels Attached, one choice for the whole program, kept between runs
// (QSettings "connectors/keepAttached", on when the settings say nothing). While it is on, lines,
// arrows and labels attached to a moving or resized figure follow it, and lines and arrows being
// drawn snap to the outlines of closed figures.
class ConnectorOptions : public QObject {
  Q_OBJECT
 public:
  // The program's options, read from the settings on first use.
  static ConnectorOptions& Instance();

  bool KeepAttached() const { return keepAttached_; }
  // Stores the choice in the settings.
  void SetKeepAttached(bool on);
  // Reads the settings again.
  void Load();

 signals:
  void Changed();

 private:
  ConnectorOptions();

  bool keepAttached_ = true;
};
