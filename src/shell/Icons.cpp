#include "Icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace icons {

QIcon Load(const QString& name) {
  const QString path = QStringLiteral(":/icons/%1.svg").arg(name);
  if (!QFile::exists(path)) return QIcon();
  QSvgRenderer renderer(path);
  if (!renderer.isValid()) return QIcon();
  QIcon icon;
  // Rendered by ourselves at each size rather than through the icon engine plugin, so a machine
  // without the plugin still shows them.
  for (int size : {16, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace icons
