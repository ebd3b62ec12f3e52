#include "DocumentAccess.h"

#include <QAccessible>
#include <QTimer>

#include "CustomKDTool.h"
#include "Diagram.h"
#include "FlowOrder.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace a11y {

namespace {
Listener& TheListener() {
  static Listener listener;
  return listener;
}
}  // namespace

void SetListener(Listener listener) { TheListener() = std::move(listener); }

bool DocumentAccess::Heard() { return TheListener() || QAccessible::isActive(); }

void DocumentAccess::Tell(QAccessibleEvent& event) {
  if (TheListener()) TheListener()(event);
  else Tell(event);
}

DocumentAccess& DocumentAccess::Of(TwinKedrinFile& document) {
  if (auto* a = dynamic_cast<DocumentAccess*>(document.property("a11yAccess").value<QObject*>())) return *a;
  auto* a = new DocumentAccess(document);
  document.setProperty("a11yAccess", QVariant::fromValue<QObject*>(a));
  return *a;
}

TwinKedrinFile* DocumentAccess::DocumentOf(const QObject* canvas) {
  for (QObject* o = canvas ? canvas->parent() : nullptr; o; o = o->parent())
    if (auto* doc = qobject_cast<TwinKedrinFile*>(o)) return doc;
  return nullptr;
}

DocumentAccess::DocumentAccess(TwinKedrinFile& document) : QObject(&document), document_(document) {
  // The diagram goes before this object does: it is never told to forget it.
  document.FigureSet().AddObserver(this);
}

TCanvasSurface* DocumentAccess::Canvas() const { return document_.Surface(); }

void DocumentAccess::Rebuild() {
  chart_ = ChartOfDiagram(document_.FigureSet());
  entries_.clear();
  for (int s : walk::FlowOrder(chart_.chart))
    entries_.push_back({false, s, chart_.chart.shapes[size_t(s)].figure});
  for (size_t l = 0; l < chart_.chart.links.size(); ++l)
    if (!chart_.chart.links[l].figures.empty())
      entries_.push_back({true, int(l), chart_.chart.links[l].figures.front()});
  stale_ = false;
  ++generation_;
}

const DiagramChart& DocumentAccess::Chart() {
  if (stale_) Rebuild();
  return chart_;
}

const std::vector<Entry>& DocumentAccess::Entries() {
  if (stale_) Rebuild();
  return entries_;
}

int DocumentAccess::IndexOf(uint64_t key, bool link) {
  const std::vector<Entry>& all = Entries();
  for (size_t i = 0; i < all.size(); ++i)
    if (all[i].key == key && all[i].link == link) return int(i);
  return -1;
}

std::optional<int> DocumentAccess::SelectedIndex() {
  Diagram& figures = document_.FigureSet();
  const std::vector<TCustomKDTool*> selected = figures.Selected();
  if (selected.empty()) return std::nullopt;
  const DiagramChart& c = Chart();
  std::optional<Entry> unit;
  for (TCustomKDTool* f : selected) {
    const uint64_t id = figures.IdOf(f);
    std::optional<Entry> e;
    if (const auto s = c.ShapeOf(id)) e = Entry{false, *s, c.chart.shapes[size_t(*s)].figure};
    else if (const auto l = c.LinkOf(id)) e = Entry{true, *l, c.chart.links[size_t(*l)].figures.front()};
    if (!e || (unit && !(*unit == *e))) return std::nullopt;
    unit = e;
  }
  const int i = IndexOf(unit->key, unit->link);
  return i < 0 ? std::nullopt : std::optional<int>(i);
}

bool DocumentAccess::Selected(const Entry& entry) {
  Diagram& figures = document_.FigureSet();
  if (!entry.link) {
    const TCustomKDTool* f = figures.Find(entry.key);
    return f && f->HaveFocused();
  }
  for (uint64_t id : Chart().chart.links[size_t(entry.index)].figures)
    if (const TCustomKDTool* f = figures.Find(id); f && f->HaveFocused()) return true;
  return false;
}

QRect DocumentAccess::Box(const Entry& entry) {
  if (!entry.link) return Chart().chart.shapes[size_t(entry.index)].box;
  QRect box;
  for (uint64_t id : Chart().chart.links[size_t(entry.index)].figures)
    if (const TCustomKDTool* f = document_.FigureSet().Find(id)) box = box.united(f->BoundsRect());
  return box;
}

void DocumentAccess::DiagramChanged(const DiagramChange& change) {
  switch (change.kind) {
    case DiagramChange::Kind::Selection:
      selectionChanged_ = true;
      break;
    case DiagramChange::Kind::Restyled:
      // A text typed anew is a label restyled: the name of what holds it changed.
      if (change.figure) retexted_.insert(document_.FigureSet().IdOf(change.figure));
      stale_ = true;
      break;
    default:
      stale_ = true;
      break;
  }
  Schedule();
}

void DocumentAccess::Schedule() {
  // A selection of many figures sends a notice for each: one announcement once they are done.
  if (!Heard()) {
    selectionChanged_ = false;
    retexted_.clear();
    return;
  }
  if (scheduled_) return;
  scheduled_ = true;
  QTimer::singleShot(0, this, [this] { Announce(); });
}

void DocumentAccess::Announce() {
  scheduled_ = false;
  TCanvasSurface* canvas = Canvas();
  if (!Heard() || !canvas) return;
  if (!retexted_.empty()) {
    const DiagramChart& c = Chart();
    std::unordered_set<int> told;
    for (uint64_t label : retexted_) {
      int i = -1;
      if (const auto s = c.ShapeOf(label)) i = IndexOf(c.chart.shapes[size_t(*s)].figure, false);
      else if (const auto l = c.LinkOf(label)) i = IndexOf(c.chart.links[size_t(*l)].figures.front(), true);
      if (i < 0 || !told.insert(i).second) continue;
      QAccessibleEvent event(canvas, QAccessible::NameChanged);
      event.setChild(i);
      Tell(event);
    }
    retexted_.clear();
  }
  if (selectionChanged_) {
    selectionChanged_ = false;
    const std::optional<int> i = SelectedIndex();
    QAccessibleEvent selection(canvas, QAccessible::Selection);
    if (i) selection.setChild(*i);
    Tell(selection);
    if (i && canvas->hasFocus()) {
      QAccessibleEvent focus(canvas, QAccessible::Focus);
      focus.setChild(*i);
      Tell(focus);
    }
  }
}

}  // namespace a11y
