#pragma once
#include <QByteArray>
#include <string>
#include <vector>

#include "FigureValue.h"
#include "Item.h"
#include "MxModel.h"

// A draw.io page drawn as this editor draws the same things: each shape its closed figure with its
// text as a label above it, each edge a connector (a straight line or arrow, or an elbow route of
// lines ending in one arrow) with its label beside its middle segment, each container or
// swimlane a rectangle with its title inside its top edge.
namespace drawio {

struct Imported {
  std::vector<figures::Figure> figures;  // bottom first; ids 1, 2, ... in that order
  std::vector<std::string> warnings;     // what was drawn otherwise or left out
  std::string error;                     // why nothing could be read; no figures then
  bool ok() const { return error.empty(); }
};

// The figures of the page's cells.
Imported FiguresOfModel(const Model& model);

// The figures of a draw.io file's first page; a warning names how many pages were skipped.
Imported ImportDrawio(QByteArrayView file);

}  // namespace drawio

namespace drawio {

// The figures as the meaning module sees them (stacking in order), for finding their graph.
std::vector<semantics::Item> ItemsOf(const std::vector<figures::Figure>& figures);

}  // namespace drawio
