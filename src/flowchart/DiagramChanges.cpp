#include "DiagramChanges.h"

#include <memory>
#include <optional>
#include <unordered_map>

#include "BoundsCommand.h"
#include "CustomKDTool.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "DocumentHistory.h"
#include "FigureSetCommand.h"

namespace flowchart {

std::vector<semantics::Item> ItemsOfDiagram(const Diagram& diagram) { return DiagramItems(diagram).All(); }

namespace {

struct SegmentPen {
  bool arrow = false;
  ConnectorPen pen;
};

SegmentPen PenOfFigure(const TCustomKDTool& f) {
  return {qstrcmp(f.ClassName(), "TKDArrow") == 0, ConnectorPen{f.LineColor(), f.LineStyle(), f.LineWidth()}};
}

// The arrow of a route; a line's pen when there is none; black when no segment is known.
template <class Find>
ConnectorPen PenOfSegments(const std::vector<uint64_t>& segments, const Find& find) {
  std::optional<SegmentPen> styled;
  for (uint64_t id : segments) {
    const std::optional<SegmentPen> pen = find(id);
    if (pen && (!styled || pen->arrow)) styled = pen;
  }
  return styled ? styled->pen : ConnectorPen{};
}

}  // namespace

ConnectorPen PenInDiagram(const Diagram& diagram, const std::vector<uint64_t>& segments) {
  return PenOfSegments(segments, [&diagram](uint64_t id) -> std::optional<SegmentPen> {
    const TCustomKDTool* f = diagram.Find(id);
    if (!f) return std::nullopt;
    return PenOfFigure(*f);
  });
}

PenLookup PensOfDiagram(const Diagram& diagram, const std::vector<semantics::Item>& items) {
  auto pens = std::make_shared<std::unordered_map<uint64_t, SegmentPen>>();
  for (const semantics::Item& item : items) {
    if (!semantics::IsSegment(item.kind)) continue;
    if (const TCustomKDTool* f = diagram.Find(item.id)) pens->emplace(item.id, PenOfFigure(*f));
  }
  return [pens](const std::vector<uint64_t>& segments) {
    return PenOfSegments(segments, [&pens](uint64_t id) -> std::optional<SegmentPen> {
      const auto it = pens->find(id);
      if (it == pens->end()) return std::nullopt;
      return it->second;
    });
  };
}

std::vector<TCustomKDTool*> AddFigures(Diagram& diagram, DocumentHistory& history, const std::vector<FigurePlan>& plans,
                                       const TFontDesc& font, const QString& step,
                                       const std::function<void(std::vector<TCustomKDTool*>&)>& placed) {
  std::vector<TCustomKDTool*> added;
  added.reserve(plans.size());
  for (const FigurePlan& plan : plans) {
    TCustomKDTool* f = MakeFigure(plan, font).release();
    diagram.Adopt(f);
    added.push_back(f);
  }
  if (placed) placed(added);
  history.RecordAdded(added, step);
  return added;
}

std::vector<TCustomKDTool*> ApplyLayout(Diagram& diagram, DocumentHistory& history, const LayoutPlan& plan,
                                        const QString& step) {
  // A frame's edit in progress records its own step when it ends: it goes first.
  history.End();
  QUndoStack& stack = history.Stack();
  stack.beginMacro(step);

  // The old segments leave first, so that nothing follows the shapes as they move.
  std::vector<TCustomKDTool*> old = diagram.Find(plan.removed);
  if (!old.empty()) {
    std::vector<Diagram::Placed> placed = diagram.Snapshot(old);
    diagram.Remove(plan.removed);
    history.Push(new FigureSetCommand(diagram, FigureSetCommand::Direction::Remove, std::move(placed), step));
  }

  std::vector<TCustomKDTool*> touched;
  std::vector<BoundsCommand::Change> changes;
  for (const FigureMove& m : plan.moves) {
    TCustomKDTool* f = diagram.Find(m.id);
    if (!f || f->BoundsRect() == m.box) continue;
    changes.push_back({m.id, f->BoundsRect(), m.box});
    f->ApplyBounds(m.box.x(), m.box.y(), m.box.width(), m.box.height());
    touched.push_back(f);
  }
  if (!changes.empty()) history.Push(new BoundsCommand(diagram, std::move(changes), step));

  // Lines and arrows show no text: the font is only what they carry.
  const std::vector<TCustomKDTool*> added = AddFigures(diagram, history, plan.added, TFontDesc{}, step);
  touched.insert(touched.end(), added.begin(), added.end());
  stack.endMacro();
  return touched;
}

}  // namespace flowchart
