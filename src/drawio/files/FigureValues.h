#pragma once
#include <QString>
#include <memory>
#include <span>
#include <vector>

#include "FigureValue.h"

class TCustomKDTool;

// The editor's figure objects as values and back, through the records both read and write: what
// a value holds is exactly what the file would hold.
namespace drawiofiles {

// The figures' values in the given order, with ids 1, 2, ... in that order.
std::vector<figures::Figure> ValuesOf(std::span<const TCustomKDTool* const> figures);
// New figure objects for the values, in their order (not on any canvas yet).
std::vector<std::unique_ptr<TCustomKDTool>> ObjectsOf(std::span<const figures::Figure> values);

// The figures of a diagram file (.kdl), ids 1, 2, ... in file order. Throws EKedrinError naming
// the file when it cannot be opened or a record cannot be read: a diagram read in part is no
// version of it to compare or convert.
std::vector<figures::Figure> ReadDiagramValues(const QString& fileName);

}  // namespace drawiofiles
