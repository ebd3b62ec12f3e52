#include "FigureAccessible.h"

#include <QAccessible>
#include <QWidget>
#include <QWindow>

#include "Describe.h"
#include "TScrollBox.h"

namespace a11y {

FigureAccessible::FigureAccessible(TCanvasSurface* canvas, uint64_t key, bool link)
    : canvas_(canvas), key_(key), link_(link) {}

DocumentAccess* FigureAccessible::Access() const {
  TwinKedrinFile* doc = canvas_ ? DocumentAccess::DocumentOf(canvas_) : nullptr;
  return doc ? &DocumentAccess::Of(*doc) : nullptr;
}

std::optional<Entry> FigureAccessible::Current() const {
  DocumentAccess* a = Access();
  if (!a) return std::nullopt;
  const int i = a->IndexOf(key_, link_);
  if (i < 0) return std::nullopt;
  return a->Entries()[size_t(i)];
}

bool FigureAccessible::isValid() const { return Current().has_value(); }

QWindow* FigureAccessible::window() const {
  return canvas_ && canvas_->window() ? canvas_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* FigureAccessible::parent() const { return QAccessible::queryAccessibleInterface(canvas_); }

QString FigureAccessible::text(QAccessible::Text t) const {
  const std::optional<Entry> e = Current();
  if (!e || (t != QAccessible::Name && t != QAccessible::Description)) return {};
  const walk::Chart& chart = Access()->Chart().chart;
  const walk::Description d = e->link ? walk::DescribeConnector(chart, e->index) : walk::DescribeShape(chart, e->index);
  if (t == QAccessible::Description) return d.description;
  // A connector without a label is named by what it is.
  return d.name.isEmpty() ? walk::RoleName(d.role) : d.name;
}

QRect FigureAccessible::rect() const {
  const std::optional<Entry> e = Current();
  if (!e) return {};
  // Canvas pixels to the canvas widget's at its zoom, then to the screen.
  const QRect box = Access()->Box(*e).normalized();
  const double zoom = canvas_->Zoom();
  const QPoint topLeft(qRound(box.x() * zoom), qRound(box.y() * zoom));
  const QSize size(qRound(box.width() * zoom), qRound(box.height() * zoom));
  return QRect(canvas_->mapToGlobal(topLeft), size);
}

QAccessible::State FigureAccessible::state() const {
  QAccessible::State s;
  const std::optional<Entry> e = Current();
  if (!e) {
    s.invalid = true;
    return s;
  }
  s.selectable = true;
  s.focusable = true;
  DocumentAccess* a = Access();
  s.selected = a->Selected(*e);
  const std::optional<int> only = a->SelectedIndex();
  s.focused = s.selected && only && a->Entries()[size_t(*only)] == *e && canvas_->hasFocus();
  return s;
}

}  // namespace a11y
