#include "SelectionUnits.h"

#include <algorithm>

#include "ConnectorLabel.h"
#include "ConnectorOptions.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "KDTools.h"
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

}  // namespace

bool On() { return ConnectorOptions::Instance().KeepAttached(); }

std::vector<TCustomKDTool*> Heads(const Diagram& diagram, const std::vector<TCustomKDTool*>& figures) {
  // Only a label can stand for another figure (a shape's text for its shape): a selection whose
  // labels are all their own heads, in stacking order, is its own answer, found without
  // describing every figure (Select All of 100,000).
  DiagramItems items(diagram);
  const semantics::ItemQuery query = items.Query();
  int last = -1;
  bool ordered = true;
  for (const TCustomKDTool* f : figures) {
    const int at = diagram.StackIndexOf(f);
    ordered = ordered && at > last;
    last = at;
    if (!ordered) break;
    if (!qobject_cast<const TKDLabel*>(f)) continue;
    const semantics::Item& item = items.Of(f);
    if (&semantics::HeadOf(item, query) != &item) {
      ordered = false;
      break;
    }
  }
  if (ordered) return figures;
  return Ask(diagram, figures, &semantics::HeadsOf);
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
