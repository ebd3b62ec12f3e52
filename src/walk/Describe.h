#pragma once
#include <QString>

#include "Chart.h"

// What a screen reader says of a chart's shapes and connectors.
namespace walk {

enum class Role : uint8_t { Start, End, Process, Decision, Ellipse, Rectangle, Text, Connector };

struct Description {
  Role role = Role::Process;
  QString name;         // the shape's text on one line, or its kind's name; a connector's label
  QString description;  // the role, the name and where it leads
  bool operator==(const Description&) const = default;
};

// The role's name as the user reads it: "Decision", "Start", "Text".
QString RoleName(Role role);
Role RoleOf(semantics::ItemKind kind);

// A shape: "Decision Paid?: yes to Ship, no to Send reminder": its connectors out in branch
// order for the chart's direction (Branches, MainSide), each its label, then "to" and the
// target's name. A shape without text is named by its kind; one leading nowhere is its role and
// name alone.
Description DescribeShape(const Chart& chart, int shape);

// A connector: "yes, from Paid? to Ship"; without a label "from Paid? to Ship".
Description DescribeConnector(const Chart& chart, int link);

// A text on no shape and beside no connector.
Description DescribeText(const QString& text);

}  // namespace walk
