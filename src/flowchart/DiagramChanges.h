#pragma once
#include <QString>
#include <functional>
#include <vector>

#include "FigurePlan.h"
#include "FontDesc.h"
#include "LayoutPlan.h"

class Diagram;
class DocumentHistory;
class TCustomKDTool;

// Flowchart changes carried out on a diagram, each one step of its history.
namespace flowchart {

// The diagram's figures described for planning: ids are the figures' own, stacking their order.
std::vector<semantics::Item> ItemsOfDiagram(const Diagram& diagram);

// The pen of a connector of the diagram, from its segments: the arrow's colour, style and width.
ConnectorPen PenInDiagram(const Diagram& diagram, const std::vector<uint64_t>& segments);
// The same answers from a copy of the pens of the items' lines and arrows as they are now, for
// planning away from the diagram (on another thread).
using PenLookup = std::function<ConnectorPen(const std::vector<uint64_t>& segments)>;
PenLookup PensOfDiagram(const Diagram& diagram, const std::vector<semantics::Item>& items);

// Makes the planned figures and adds them on top of the diagram, in order, as one step named
// `step`; `placed` may move them, take some away and add others before the step is recorded.
// Returns what was recorded.
std::vector<TCustomKDTool*> AddFigures(Diagram& diagram, DocumentHistory& history, const std::vector<FigurePlan>& plans,
                                       const TFontDesc& font, const QString& step,
                                       const std::function<void(std::vector<TCustomKDTool*>&)>& placed = {});

// Carries out a layout plan as one step named `step`: the old segments go, the shapes and labels
// move, the new segments come on top (drawn in the font, which lines and arrows never show).
// Returns the figures moved and added.
std::vector<TCustomKDTool*> ApplyLayout(Diagram& diagram, DocumentHistory& history, const LayoutPlan& plan,
                                        const QString& step);

}  // namespace flowchart
