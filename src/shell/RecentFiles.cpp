#include "RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "Errors.h"

namespace {
const QString kKey = QStringLiteral("recentFiles");
}  // namespace

RecentFiles::RecentFiles(QMenu* menu, std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent), menu_(menu), open_(std::move(open)) {
  report = [menu](const QString& message) { errors::ShowError(menu->parentWidget(), message); };
  connect(menu, &QMenu::aboutToShow, this, &RecentFiles::Rebuild);
  Rebuild();
}

QStringList RecentFiles::Files() const {
  // The setting may come from elsewhere (another version, a hand edit): blank and repeated
  // entries are dropped and no more than the newest kMaximum are ever shown.
  QStringList files;
  for (const QString& file : QSettings().value(kKey).toStringList()) {
    if (files.size() == kMaximum) break;
    if (!file.trimmed().isEmpty() && !files.contains(file)) files.append(file);
  }
  return files;
}

void RecentFiles::Store(const QStringList& files) { QSettings().setValue(kKey, files.mid(0, kMaximum)); }

void RecentFiles::Add(const QString& fileName) {
  const QString path = QFileInfo(fileName).absoluteFilePath();
  QStringList files = Files();
  files.removeAll(path);
  files.prepend(path);
  Store(files);
  Rebuild();
}

void RecentFiles::Rebuild() {
  menu_->clear();
  const QStringList files = Files();
  for (qsizetype i = 0; i < files.size(); ++i) {
    QString shown = QDir::toNativeSeparators(files[i]);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* item = menu_->addAction(QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(shown));
    item->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
    const QString file = files[i];
    connect(item, &QAction::triggered, this, [this, file] { Choose(file); });
  }
  menu_->setEnabled(!files.isEmpty());
}

void RecentFiles::Choose(const QString& fileName) {
  if (!QFileInfo::exists(fileName)) {
    QStringList files = Files();
    files.removeAll(fileName);
    Store(files);
    Rebuild();
    if (report)
      report(tr("%1 no longer exists; it has been removed from the recent files.").arg(QDir::toNativeSeparators(fileName)));
    return;
  }
  open_(fileName);
}
