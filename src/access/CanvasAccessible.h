#pragma once
#include <QAccessibleWidget>
#include <unordered_map>

class TCanvasSurface;

namespace a11y {

// A document's canvas to screen readers: a list of its shapes (in flow order) and connectors,
// each a FigureAccessible made when first asked for and kept while its figure is on the canvas.
class CanvasAccessible : public QAccessibleWidget {
 public:
  explicit CanvasAccessible(TCanvasSurface* canvas);
  ~CanvasAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  QString text(QAccessible::Text t) const override;

 private:
  TCanvasSurface* Canvas() const;
  class DocumentAccess* Access() const;
  // Lets go of the children whose figures left the canvas.
  void Prune() const;

  struct Key {
    uint64_t figure;
    bool link;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    size_t operator()(const Key& k) const { return std::hash<uint64_t>()(k.figure) * 2 + k.link; }
  };
  mutable std::unordered_map<Key, QAccessible::Id, KeyHash> children_;
  mutable uint64_t prunedAt_ = 0;
};

// Makes Qt's accessibility ask the interfaces above for every document's canvas (once).
void Install();

}  // namespace a11y
