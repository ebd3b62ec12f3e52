#include "SelectionUnits.h"

#include <algorithm>
#include <cstring>

#include "ConnectorLabel.h"
#include "ConnectorOptions.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "KDTools.h"
#include "Outline.h"
#include "SelectionUnit.h"
#include "ShapeText.h"

namespace selectionunits {

namespace {

using ItemList = std::vector<const semantics::Item*>;
using Answer = ItemList (*)(std::span<const semantics::Item* const>, const semantics::ItemQuery&);

ItemList ItemsOf(DiagramItems& items, const std::vector<TCustomKDTool*>& figures) {
  ItemList list;
  list.reserve(figures.size());
  for (const TCustomKDTool* f : figures) list.push_back(&items.Of(f));
  return list;
}

std::vector<TCustomKDTool*> FiguresOf(const DiagramItems& items, const ItemList& list) {
  std::vector<TCustomKDTool*> figures;
  figures.reserve(list.size());
  for (const semantics::Item* i : list)
    if (TCustomKDTool* f = items.FigureOf(*i)) figures.push_back(f);
  return figures;
}

std::vector<TCustomKDTool*> Ask(const Diagram& diagram, const std::vector<TCustomKDTool*>& figures, Answer answer) {
  if (figures.empty()) return {};
  DiagramItems items(diagram);
  const semantics::ItemQuery query = items.Query();
  return FiguresOf(items, answer(ItemsOf(items, figures), query));
}

// The classes as the meaning module tells them apart (DescribeItem): a label, and a closed shape.
bool IsLabel(const TCustomKDTool& f) { return std::strcmp(f.ClassName(), "TKDLabel") == 0; }
bool IsShape(const TCustomKDTool& f) {
  const char* name = f.ClassName();
  return std::strncmp(name, "TKDL", 4) != 0 && std::strcmp(name, "TKDArrow") != 0;
}

// Whether each figure of the diagram comes once, bottom first. Select All hands the diagram's own
// order, told by one comparison rather than a look-up per figure.
bool InStackingOrder(const Diagram& diagram, const std::vector<TCustomKDTool*>& figures) {
  const std::vector<TCustomControl*>& order = diagram.Ordered();
  if (figures.size() == order.size() && std::equal(figures.begin(), figures.end(), order.begin(),
                                                   [](const TCustomKDTool* f, const TCustomControl* c) { return f == c; }))
    return true;
  int last = -1;
  for (const TCustomKDTool* f : figures) {
    const int at = diagram.StackIndexOf(f);
    if (at <= last) return false;
    last = at;
  }
  return true;
}

// Whether a shown shape below the label holds its box, as a shape holds its text: asked of the
// diagram's index alone, since most labels lie on no shape.
bool OnAShape(const Diagram& diagram, const TCustomKDTool& label, std::vector<TCustomKDTool*>& near) {
  const QRect box = label.BoundsRect();
  near.clear();
  diagram.FiguresIn(box, near);
  const int at = diagram.StackIndexOf(&label);
  return std::any_of(near.begin(), near.end(), [&](const TCustomKDTool* f) {
    return f != &label && !f->isHidden() && IsShape(*f) && diagram.StackIndexOf(f) < at &&
           connectors::BoxInside(box, f->BoundsRect());
  });
}

}  // namespace

bool On() { return ConnectorOptions::Instance().KeepAttached(); }

std::vector<TCustomKDTool*> Heads(const Diagram& diagram, const std::vector<TCustomKDTool*>& figures) {
  if (AreTheirOwnHeads(diagram, figures)) return figures;
  return Ask(diagram, figures, &semantics::HeadsOf);
}

bool AreTheirOwnHeads(const Diagram& diagram, const std::vector<TCustomKDTool*>& figures) {
  // Only a label on a shape can stand for another figure (a shape's text for its shape): a
  // selection in stacking order whose labels lie on no shape, or are their own heads, is its own
  // answer, found without describing every figure (Select All of 100,000).
  if (!InStackingOrder(diagram, figures)) return false;
  DiagramItems items(diagram);
  const semantics::ItemQuery query = items.Query();
  std::vector<TCustomKDTool*> near;
  for (const TCustomKDTool* f : figures) {
    if (!IsLabel(*f) || !OnAShape(diagram, *f, near)) continue;
    const semantics::Item& item = items.Of(f);
    if (&semantics::HeadOf(item, query) != &item) return false;
  }
  return true;
}

std::vector<TCustomKDTool*> WholeConnectors(const Diagram& diagram, const std::vector<TCustomKDTool*>& figures) {
  // Without a line or an arrow there is nothing to leave out, and nothing to describe.
  const bool segments = std::any_of(figures.begin(), figures.end(), [](const TCustomKDTool* f) {
    return qobject_cast<const TKDLine*>(f) || qobject_cast<const TKDArrow*>(f);
  });
  if (!segments) return figures;
  return Ask(diagram, figures, &semantics::WithoutPartConnectors);
}

std::vector<TCustomKDTool*> Carried(const Diagram& diagram, const std::vector<TCustomKDTool*>& heads) {
  return Ask(diagram, heads, &semantics::CarriedWith);
}

std::vector<TCustomKDTool*> Removed(const Diagram& diagram, const std::vector<TCustomKDTool*>& heads) {
  return Ask(diagram, heads, &semantics::RemovedWith);
}

TCustomKDTool* TextOf(const Diagram& diagram, TCustomKDTool* shape) {
  DiagramItems items(diagram);
  const semantics::Item* text = semantics::ShapeText(items.Of(shape), items.Query());
  return text ? items.FigureOf(*text) : nullptr;
}

std::vector<TCustomKDTool*> Arranged(const Diagram& diagram, const std::vector<TCustomKDTool*>& figures) {
  DiagramItems items(diagram);
  const semantics::ItemQuery query = items.Query();
  std::vector<TCustomKDTool*> kept;
  for (TCustomKDTool* f : figures) {
    const semantics::Item& item = items.Of(f);
    if (item.kind == semantics::ItemKind::Label &&
        (semantics::ShapeOfText(item, query) || semantics::ConnectorOfLabel(item, query)))
      continue;
    if (semantics::IsSegment(item.kind)) {
      const std::optional<semantics::Connector> c = semantics::ConnectorOf(item, query);
      if (c && (c->startShape || c->endShape)) continue;
    }
    kept.push_back(f);
  }
  return kept;
}

}  // namespace selectionunits
