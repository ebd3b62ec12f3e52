// Figures by identity: near identities in the array, far ones in the map, each found, replaced
// and forgotten the same way.
#include <gtest/gtest.h>

#include <cstdint>

#include "IdTable.h"

TEST(IdTable, FindsWhatWasSetWhereverTheIdentityLies) {
  int values[4] = {};
  IdTable<int> table;
  // 1 in the array; 9000 and 1 << 40 in the map; then the near ones up to 10,000, so that the array
  // grows past 9000, which was far when it came.
  const uint64_t far = uint64_t{1} << 40;
  table.Set(1, &values[0]);
  table.Set(9000, &values[1]);
  table.Set(far, &values[2]);
  for (uint64_t id = 2; id <= 10000; ++id)
    if (id != 9000) table.Set(id, &values[3]);
  struct Case {
    uint64_t id;
    const int* found;
  };
  const Case cases[] = {{1, &values[0]}, {9000, &values[1]}, {far, &values[2]}, {10000, &values[3]},
                        {0, nullptr},    {10001, nullptr},    {far + 1, nullptr}};
  for (const Case& c : cases) EXPECT_EQ(table.Find(c.id), c.found) << c.id;
  // Forgotten only for the value it stands for; set again, the new value.
  table.Erase(9000, &values[0]);
  table.Erase(far, &values[2]);
  table.Set(1, &values[1]);
  EXPECT_EQ(table.Find(9000), &values[1]);
  EXPECT_EQ(table.Find(far), nullptr);
  EXPECT_EQ(table.Find(1), &values[1]);
}
