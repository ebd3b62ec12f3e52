#include "SwatchButton.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "QtConvert.h"

QIcon SwatchIcon(const TColor* colour, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const QRect box(1, 1, size - 3, size - 3);
  painter.fillRect(box, colour ? ToQColor(*colour) : QColor(Qt::white));
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(box);
  if (!colour) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(220, 0, 0), 1.5));
    painter.drawLine(box.bottomLeft(), box.topRight());
  }
  return QIcon(pixmap);
}

SwatchButton::SwatchButton(QWidget* parent) : QToolButton(parent) {
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  setIconSize(QSize(16, 16));
  connect(this, &QToolButton::clicked, this, [this] { emit Chosen(colour_, line_); });
}

void SwatchButton::SetColour(TColor colour, const QString& name) {
  colour_ = colour;
  setIcon(SwatchIcon(&colour, iconSize().width()));
  setToolTip(tr("%1: click for the fill, Shift+click or right-click for the line").arg(name));
  setAccessibleName(name);
}

void SwatchButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    setDown(true);
    event->accept();
    return;
  }
  QToolButton::mousePressEvent(event);
}

void SwatchButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    setDown(false);
    event->accept();
    if (rect().contains(event->position().toPoint())) emit Chosen(colour_, true);
    return;
  }
  line_ = event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier);
  QToolButton::mouseReleaseEvent(event);
  line_ = false;
}

void SwatchButton::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }
