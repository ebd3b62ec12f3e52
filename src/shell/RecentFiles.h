#pragma once
#include <QObject>
#include <QStringList>
#include <functional>

class QMenu;

// File > Recent Files: the last diagrams opened or saved, newest first, kept between runs
// (setting "recentFiles"). Choosing one that no longer exists removes it, with a message.
class RecentFiles : public QObject {
  Q_OBJECT
 public:
  static constexpr int kMaximum = 10;

  RecentFiles(QMenu* menu, std::function<void(const QString&)> open, QObject* parent);

  // A diagram was opened or saved under this name: it goes to the top.
  void Add(const QString& fileName);
  // At most kMaximum, newest first, however many the setting holds.
  QStringList Files() const;

  // The message for a file that is gone; replaceable by tests.
  std::function<void(const QString& message)> report;

 private:
  void Rebuild();
  void Choose(const QString& fileName);
  void Store(const QStringList& files);

  QMenu* menu_;
  std::function<void(const QString&)> open_;
};
