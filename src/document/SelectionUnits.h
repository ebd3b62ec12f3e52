#pragma once
#include <vector>

class Diagram;
class TCustomKDTool;

// A diagram's figures taken as units (a shape with its text, a connector with its label) while
// View > Keep Connectors and Labels Attached is on: the figures of the meaning module's answers.
// Every list comes back bottom first, each figure once.
namespace selectionunits {

// Whether figures act as units: View > Keep Connectors and Labels Attached.
bool On();

// The figures that stand for the figures' units: a shape for its text.
std::vector<TCustomKDTool*> Heads(const Diagram& diagram, const std::vector<TCustomKDTool*>& figures);
// Whether Heads would hand the figures back as they are (no copy of a selection of 100,000).
bool AreTheirOwnHeads(const Diagram& diagram, const std::vector<TCustomKDTool*>& figures);
// The figures less the lines and arrows of connectors not wholly among them (a band's catch).
std::vector<TCustomKDTool*> WholeConnectors(const Diagram& diagram, const std::vector<TCustomKDTool*>& figures);
// What Copy, Cut and Duplicate take with the heads: their units, and the connectors between them
// with their labels.
std::vector<TCustomKDTool*> Carried(const Diagram& diagram, const std::vector<TCustomKDTool*>& heads);
// What Delete takes with the heads: their units, and every connector attached to one of their
// shapes with its label.
std::vector<TCustomKDTool*> Removed(const Diagram& diagram, const std::vector<TCustomKDTool*>& heads);
// The shape's text label, if it has one.
TCustomKDTool* TextOf(const Diagram& diagram, TCustomKDTool* shape);
// Of the figures, those the Arrange commands line up: no shape's text, no connector's label, and
// no line or arrow of a connector attached to a shape (they follow what they hang on).
std::vector<TCustomKDTool*> Arranged(const Diagram& diagram, const std::vector<TCustomKDTool*>& figures);

}  // namespace selectionunits
