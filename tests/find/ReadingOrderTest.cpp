#include <gtest/gtest.h>

#include <QStringList>

#include "DiagramTexts.h"
#include "ReadingOrder.h"

namespace {

struct OrderCase {
  const char* name;
  std::vector<QRect> boxes;
  std::vector<size_t> order;
};

class ReadingOrderTable : public testing::TestWithParam<OrderCase> {};

TEST_P(ReadingOrderTable, RowsDownThenLeftToRight) {
  EXPECT_EQ(find::ReadingOrder(GetParam().boxes), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadingOrderTable,
    testing::Values(
        // A two-line text stands higher than the one-line text beside it, in the same row.
        OrderCase{"OneRowOfUnevenTexts", {{200, 110, 80, 30}, {0, 117, 80, 16}}, {1, 0}},
        OrderCase{"RowsFromTheTop", {{100, 30, 50, 20}, {0, 0, 50, 20}}, {1, 0}},
        // A tall box beside the first row reaches below it: it opens the next row.
        OrderCase{"TallBoxOpensTheNextRow", {{0, 0, 50, 20}, {100, 5, 50, 200}, {200, 6, 50, 10}}, {0, 2, 1}},
        OrderCase{"SamePlaceKeepsInputOrder", {{10, 10, 20, 20}, {10, 10, 20, 20}}, {0, 1}},
        // A negative width spans from 50 to 100.
        OrderCase{"NegativeWidthSpansBack", {{60, 0, 10, 20}, {100, 0, -50, 20}}, {1, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

semantics::Item Label(uint64_t id, QRect box, std::string caption, int stacking) {
  semantics::Item i;
  i.id = id;
  i.kind = semantics::ItemKind::Label;
  i.box = box;
  i.caption = std::move(caption);
  i.stacking = stacking;
  return i;
}

// Labels only, with a caption, in reading order; at one place the lower first.
TEST(DiagramTexts, LabelsWithTextInReadingOrder) {
  semantics::Item box = Label(1, {0, 0, 100, 50}, "never shown", 1);
  box.kind = semantics::ItemKind::Process;
  const std::vector<semantics::Item> items = {box,
                                              Label(2, {0, 100, 50, 20}, "below", 2),
                                              Label(3, {10, 10, 50, 20}, "upper", 5),
                                              Label(4, {10, 10, 50, 20}, "lower", 4),
                                              Label(5, {200, 0, 50, 20}, "", 6),
                                              Label(6, {200, 12, 50, 20}, "right", 3)};
  std::vector<uint64_t> ids;
  QStringList texts;
  for (const find::DiagramText& t : find::DiagramTexts(items)) {
    ids.push_back(t.figure);
    texts << t.text;
  }
  EXPECT_EQ(ids, (std::vector<uint64_t>{4, 3, 6, 2}));
  EXPECT_EQ(texts, (QStringList{"lower", "upper", "right", "below"}));
}

}  // namespace
