#include "DiagramChanges.h"

#include "BoundsCommand.h"
#include "CustomKDTool.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "DocumentHistory.h"
#include "FigureSetCommand.h"

namespace flowchart {

std::vector<semantics::Item> ItemsOfDiagram(const Diagram& diagram) { return DiagramItems(diagram).All(); }

ConnectorPen PenInDiagram(const Diagram& diagram, const std::vector<uint64_t>& segments) {
  ConnectorPen pen;
  const TCustomKDTool* styled = nullptr;
  for (uint64_t id : segments) {
    const TCustomKDTool* f = diagram.Find(id);
    if (!f) continue;
    // The arrow of a route; a line's pen when there is none.
    if (!styled || qstrcmp(f->ClassName(), "TKDArrow") == 0) styled = f;
  }
  if (styled) {
    pen.colour = styled->LineColor();
    pen.style = styled->LineStyle();
    pen.width = styled->LineWidth();
  }
  return pen;
}

std::vector<TCustomKDTool*> AddFigures(Diagram& diagram, DocumentHistory& history, const std::vector<FigurePlan>& plans,
                                       const TFontDesc& font, const QString& step,
                                       const std::function<void(const std::vector<TCustomKDTool*>&)>& placed) {
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
