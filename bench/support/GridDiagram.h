#pragma once
#include <QString>
#include <memory>
#include <vector>

#include "KDTools.h"

// The grid workload of the picture-export measurements: n figures, the nine classes in turn, one
// per 150 x 80 cell, row by row in a square-ish grid. Closed figures and labels are 100 x 50 with
// a caption; lines and arrows run 200 pixels across the middle of their cell and beyond. Black
// outlines and captions on white fills.
std::vector<std::unique_ptr<TCustomKDTool>> MakeGridDiagram(int n);

std::vector<const TCustomKDTool*> RawFigures(const std::vector<std::unique_ptr<TCustomKDTool>>& figures);

// The same drawing as a Dia diagram (uncompressed XML, 20 pixels to the centimetre, Dia's own
// scale), for the side-by-side comparison with Dia's PNG export.
QByteArray GridAsDia(const std::vector<std::unique_ptr<TCustomKDTool>>& figures);
