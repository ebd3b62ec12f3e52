#pragma once
#include <span>
#include <string>
#include <vector>

#include "Item.h"

// How well a diagram is laid out, counted from its figures through the meaning the semantics
// module gives them (shapes, their texts, connectors and their labels): what a reader of the chart
// would call untidy. No widget; the same numbers for a drawing made by hand, imported or laid out.
namespace quality {

// A run between two bends shorter than this is a jog.
constexpr int kShortJog = 15;
// A connector's label nearer than this to any connector's line sits on the line.
constexpr double kLabelClearance = 4;
// A connector's label farther than this from its connector's first run is not at its start.
constexpr double kLabelFromStart = 12;

// The spread of one size over the shapes of one kind: a mark's diameter, another shape's height.
struct Spread {
  semantics::ItemKind kind = semantics::ItemKind::Process;
  int count = 0;
  int min = 0, max = 0;
  double Ratio() const { return min > 0 ? double(max) / min : 0; }
  bool operator==(const Spread&) const = default;
};

struct LayoutQuality {
  int connectors = 0;
  int shortJogs = 0;          // runs between two bends shorter than kShortJog
  int bends = 0;              // over all connectors
  int maxBends = 0;           // on the connector with the most
  int slantedRuns = 0;        // runs neither level nor upright: an elbow chart's connector drawn straight
  int crossings = 0;          // points where runs of two connectors cross properly
  int throughShapes = 0;      // runs through the inside of a shape that is none of their ends
  int throughTexts = 0;       // runs through a shape's text
  int labelsNearLines = 0;    // labels nearer than kLabelClearance to a connector's run
  int labelsOverlapping = 0;  // labels overlapping another label or a shape's text
  int labelsFarFromStart = 0;  // connectors' labels farther than kLabelFromStart from the first run
  std::vector<Spread> heights;  // per kind of shape, in the kinds' order; marks are left out
  Spread marks{semantics::ItemKind::Start};  // the circles of start and end marks together
  bool operator==(const LayoutQuality&) const = default;
};

// Counts the diagram's faults. Connectors are what ConnectorOf finds, each once; a run is a
// straight stretch of one (collinear segments in a row are one run), a bend where two runs meet.
// A run goes through a shape when it reaches farther than one pixel inside the shape's outline;
// the shapes at a connector's ends and the containers of either (rectangles that hold its box
// wholly) do not count. A shape's text is ShapeText's label, and a run goes through it when it
// meets the open inside of its box. The labels measured are the labels that are no shape's text:
// connectors' labels and loose ones.
LayoutQuality MeasureLayout(std::span<const semantics::Item> items);

// One line for reports, such as "connectors 3, bends 4 (most 2), slanted runs 0, jogs under 15 px 1, crossings 0,
// through shapes 0, through texts 0, labels near lines 0, overlapping labels 0, labels off their
// start 0; heights Process 40-60 (1.50); marks 26-52 (2.00)".
std::string ToText(const LayoutQuality& q);

}  // namespace quality
