#pragma once
#include <QString>
#include <vector>

#include "Item.h"

class TCustomKDTool;

// Diagrams read through the editor's own reader and figure classes, described as items: ids are
// the record numbers (1 for the first record, as `kdltool dump` numbers them), stacking is file
// order.
namespace semtest {

semantics::Item DescribeItem(const TCustomKDTool& figure, int number);
std::vector<semantics::Item> ReadItems(const QString& path);

}  // namespace semtest
