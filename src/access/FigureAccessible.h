#pragma once
#include <QAccessibleInterface>
#include <QPointer>
#include <cstdint>

#include "DocumentAccess.h"

class TCanvasSurface;

namespace a11y {

// A shape or a connector of a canvas as a screen reader sees it: a list item named by its text
// (or kind), described by where it leads, selected and focused with the selection.
class FigureAccessible : public QAccessibleInterface {
 public:
  FigureAccessible(TCanvasSurface* canvas, uint64_t key, bool link);

  uint64_t Key() const { return key_; }
  bool Link() const { return link_; }

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override;

 private:
  // The document's view and this child's entry in it, while it is still on the canvas.
  DocumentAccess* Access() const;
  std::optional<Entry> Current() const;

  QPointer<TCanvasSurface> canvas_;
  uint64_t key_;
  bool link_;
};

}  // namespace a11y
