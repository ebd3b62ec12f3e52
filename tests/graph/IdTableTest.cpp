#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IdTable.h"

namespace {

struct KeyOf {
  const std::vector<std::string>* ids;
  std::string_view operator()(size_t k) const { return (*ids)[k]; }
};

// Ids added one by one to a table that expected none: it grows many times over, and every id
// keeps the number it was first given, whatever came after it.
TEST(IdTableTest, NumbersSurviveGrowing) {
  std::vector<std::string> ids;
  graph::IdTable<KeyOf> table(KeyOf{&ids}, 0);
  for (int i = 0; i < 5000; ++i) {
    ids.push_back("n" + std::to_string(i));
    ASSERT_EQ(table.insert(ids.back(), ids.size() - 1), std::make_pair(size_t(i), true));
  }
  const struct {
    std::string id;
    size_t number;
  } cases[] = {{"n0", 0}, {"n17", 17}, {"n4999", 4999}, {"n5000", graph::IdTable<KeyOf>::npos},
               {"", graph::IdTable<KeyOf>::npos}, {"n017", graph::IdTable<KeyOf>::npos}};
  for (const auto& c : cases) EXPECT_EQ(table.find(c.id), c.number) << c.id;
  EXPECT_EQ(table.insert("n17", 12345), std::make_pair(size_t(17), false));
}

}  // namespace
