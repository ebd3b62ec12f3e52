#include <gtest/gtest.h>

#include "Describe.h"
#include "WalkCharts.h"

namespace {

using walk::Role;

struct DescribeCase {
  const char* name;
  bool connector;
  int index;
  walk::Description expected;
};

class DescribeTable : public testing::TestWithParam<DescribeCase> {};

TEST_P(DescribeTable, RoleNameDescription) {
  const walk::Chart chart = walktest::BranchesAndLoops();
  const DescribeCase& c = GetParam();
  EXPECT_EQ(c.connector ? walk::DescribeConnector(chart, c.index) : walk::DescribeShape(chart, c.index), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DescribeTable,
    testing::Values(
        DescribeCase{"Decision", false, 2, {Role::Decision, "Paid?", "Decision Paid?: yes to Process, no to Send reminder"}},
        DescribeCase{"Start", false, 0, {Role::Start, "Begin", "Start Begin: to Order"}},
        DescribeCase{"LinesReadAsOne", false, 4, {Role::Process, "Send reminder", "Process Send reminder: to Order"}},
        DescribeCase{"NamedByItsKind", false, 3, {Role::Process, "Process", "Process: to Done"}},
        DescribeCase{"LeadsNowhere", false, 5, {Role::End, "Done", "End Done"}},
        DescribeCase{"Rectangle", false, 8, {Role::Rectangle, "B", "Rectangle B: to A"}},
        DescribeCase{"LabelledConnector", true, 3, {Role::Connector, "yes", "yes, from Paid? to Process"}},
        DescribeCase{"PlainConnector", true, 4, {Role::Connector, "", "from Send reminder to Order"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DescribeText, OneLine) {
  EXPECT_EQ(walk::DescribeText("Call  the\ncustomer"), (walk::Description{Role::Text, "Call the customer", "Text Call the customer"}));
}

}  // namespace
