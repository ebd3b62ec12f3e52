#include "StatusPanels.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include "CustomKDTool.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"
#include "ZoomMapping.h"

StatusPanels::StatusPanels(QLabel* pointer, QLabel* selection, std::function<TwinKedrinFile*()> currentDocument,
                           QObject* parent)
    : QObject(parent), pointer_(pointer), selection_(selection), currentDocument_(std::move(currentDocument)) {
  // Many events can change the selection; it is read once they have settled.
  selectionLater_.setSingleShot(true);
  selectionLater_.setInterval(0);
  connect(&selectionLater_, &QTimer::timeout, this, &StatusPanels::ShowSelection);
  qApp->installEventFilter(this);
}

QString StatusPanels::PointerText(QPoint p) { return QStringLiteral("%1, %2").arg(p.x()).arg(p.y()); }

QString StatusPanels::SelectionText(const std::vector<QRect>& bounds) {
  if (bounds.empty()) return {};
  QRect all = bounds.front();
  for (const QRect& r : bounds) all = all.united(r);
  const QString box = tr("%1 × %2 at %3, %4").arg(all.width()).arg(all.height()).arg(all.x()).arg(all.y());
  if (bounds.size() == 1) return box;
  return tr("%1 figures, %2").arg(bounds.size()).arg(box);
}

void StatusPanels::ShowSelection() {
  if (!selection_) return;
  std::vector<QRect> bounds;
  if (TwinKedrinFile* doc = currentDocument_())
    for (TCustomKDTool* f : doc->SelectedFigures()) bounds.push_back(f->BoundsRect());
  selection_->setText(SelectionText(bounds));
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseMove:
      if (auto* w = qobject_cast<QWidget*>(watched); w && pointer_) {
        TwinKedrinFile* doc = currentDocument_();
        QWidget* surface = doc ? doc->Surface() : nullptr;
        if (surface && (w == surface || surface->isAncestorOf(w))) {
          const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
          pointer_->setText(PointerText(zoommap::ToCanvas(QPointF(surface->mapFromGlobal(global)), CanvasZoomOf(surface))));
        }
      }
      break;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::FocusIn:
      selectionLater_.start();
      break;
    default:
      break;
  }
  return false;
}
