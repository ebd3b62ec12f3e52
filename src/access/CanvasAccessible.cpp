#include "CanvasAccessible.h"

#include <QCoreApplication>

#include "DocumentAccess.h"
#include "FigureAccessible.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace a11y {

CanvasAccessible::CanvasAccessible(TCanvasSurface* canvas) : QAccessibleWidget(canvas, QAccessible::List) {
  // From now on the document's changes are announced.
  Access();
}

CanvasAccessible::~CanvasAccessible() {
  for (const auto& [key, id] : children_) QAccessible::deleteAccessibleInterface(id);
}

TCanvasSurface* CanvasAccessible::Canvas() const { return static_cast<TCanvasSurface*>(widget()); }

DocumentAccess* CanvasAccessible::Access() const {
  TwinKedrinFile* doc = DocumentAccess::DocumentOf(Canvas());
  return doc ? &DocumentAccess::Of(*doc) : nullptr;
}

void CanvasAccessible::Prune() const {
  DocumentAccess* a = Access();
  if (!a) return;
  a->Entries();
  if (prunedAt_ == a->Generation()) return;
  prunedAt_ = a->Generation();
  for (auto it = children_.begin(); it != children_.end();) {
    if (a->IndexOf(it->first.figure, it->first.link) < 0) {
      QAccessible::deleteAccessibleInterface(it->second);
      it = children_.erase(it);
    } else {
      ++it;
    }
  }
}

int CanvasAccessible::childCount() const {
  DocumentAccess* a = Access();
  return a ? int(a->Entries().size()) : 0;
}

QAccessibleInterface* CanvasAccessible::child(int index) const {
  DocumentAccess* a = Access();
  if (!a || index < 0 || index >= int(a->Entries().size())) return nullptr;
  Prune();
  const Entry& e = a->Entries()[size_t(index)];
  const Key key{e.key, e.link};
  auto it = children_.find(key);
  if (it == children_.end())
    it = children_.emplace(key, QAccessible::registerAccessibleInterface(new FigureAccessible(Canvas(), e.key, e.link)))
             .first;
  return QAccessible::accessibleInterface(it->second);
}

int CanvasAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto* f = dynamic_cast<const FigureAccessible*>(child);
  DocumentAccess* a = Access();
  return f && a ? a->IndexOf(f->Key(), f->Link()) : -1;
}

QAccessibleInterface* CanvasAccessible::childAt(int x, int y) const {
  DocumentAccess* a = Access();
  if (!a) return nullptr;
  const QPoint local = Canvas()->mapFromGlobal(QPoint(x, y));
  const double zoom = Canvas()->Zoom();
  const QPoint p(qRound(local.x() / zoom), qRound(local.y() / zoom));
  const std::vector<Entry>& all = a->Entries();
  // Shapes come first and lie under the connectors' ends: the connector's box is its whole route.
  for (size_t i = 0; i < all.size(); ++i)
    if (!all[i].link && a->Box(all[i]).normalized().contains(p)) return child(int(i));
  for (size_t i = 0; i < all.size(); ++i)
    if (all[i].link && a->Box(all[i]).normalized().adjusted(-3, -3, 3, 3).contains(p)) return child(int(i));
  return nullptr;
}

QAccessibleInterface* CanvasAccessible::focusChild() const {
  DocumentAccess* a = Access();
  if (!a || !Canvas()->hasFocus()) return nullptr;
  const std::optional<int> i = a->SelectedIndex();
  return i ? child(*i) : nullptr;
}

QString CanvasAccessible::text(QAccessible::Text t) const {
  if (t != QAccessible::Name) return QAccessibleWidget::text(t);
  const QString own = QAccessibleWidget::text(t);
  if (!own.isEmpty()) return own;
  TwinKedrinFile* doc = DocumentAccess::DocumentOf(Canvas());
  return doc ? QCoreApplication::translate("a11y::CanvasAccessible", "Diagram %1").arg(doc->Title())
             : QCoreApplication::translate("a11y::CanvasAccessible", "Diagram");
}

namespace {
QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className != QLatin1String("TCanvasSurface")) return nullptr;
  auto* canvas = qobject_cast<TCanvasSurface*>(object);
  return canvas && DocumentAccess::DocumentOf(canvas) ? new CanvasAccessible(canvas) : nullptr;
}
}  // namespace

void Install() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Factory);
}

}  // namespace a11y
