#pragma once
#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_set>
#include <vector>

#include "DiagramChart.h"
#include "DiagramObserver.h"

class QAccessibleEvent;
class TCanvasSurface;
class TwinKedrinFile;

namespace a11y {

// Where announcements go: to Qt's accessibility while a screen reader listens; a listener set
// here (a test) hears them instead, whether or not one does.
using Listener = std::function<void(QAccessibleEvent& event)>;
void SetListener(Listener listener);

// One of the canvas's accessible children: a shape, or a connector (named by its first figure).
struct Entry {
  bool link = false;
  int index = 0;  // into the chart's shapes or links
  uint64_t key = 0;
  bool operator==(const Entry&) const = default;
};

// A document as screen readers see it: its chart, read again after the diagram changed, the
// canvas's children in walking order (the shapes in flow order, then the connectors), and the
// announcements of selection and text changes while a screen reader listens.
class DocumentAccess : public QObject, public DiagramObserver {
 public:
  // The document's own, made on first use.
  static DocumentAccess& Of(TwinKedrinFile& document);
  // The document a canvas belongs to, if any.
  static TwinKedrinFile* DocumentOf(const QObject* canvas);

  const DiagramChart& Chart();
  const std::vector<Entry>& Entries();
  // The entry's place among the children, or -1.
  int IndexOf(uint64_t key, bool link);
  // The entry of the figures selected when they are one shape (or its text) or one connector.
  std::optional<int> SelectedIndex();
  // Whether the entry's figures are selected.
  bool Selected(const Entry& entry);
  // The entry's box in canvas pixels.
  QRect Box(const Entry& entry);
  // Counts every rebuild of the chart: the children's interfaces are checked against it.
  uint64_t Generation() const { return generation_; }

  TCanvasSurface* Canvas() const;

  void DiagramChanged(const DiagramChange& change) override;

 private:
  explicit DocumentAccess(TwinKedrinFile& document);
  void Rebuild();
  void Schedule();
  void Announce();
  static bool Heard();
  static void Tell(QAccessibleEvent& event);

  TwinKedrinFile& document_;
  DiagramChart chart_;
  std::vector<Entry> entries_;
  bool stale_ = true;
  uint64_t generation_ = 0;
  bool scheduled_ = false;
  bool selectionChanged_ = false;
  std::unordered_set<uint64_t> retexted_;  // labels whose text changed
};

}  // namespace a11y
