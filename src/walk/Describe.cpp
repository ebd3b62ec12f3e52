#include "Describe.h"

#include <QCoreApplication>
#include <QStringList>

#include "FlowOrder.h"

namespace walk {

namespace {

// Lines read as one, as a screen reader says them.
QString OneLine(const QString& text) { return text.simplified(); }

QString NameOf(const Shape& s) {
  const QString text = OneLine(s.text);
  return text.isEmpty() ? RoleName(RoleOf(s.kind)) : text;
}

}  // namespace

QString RoleName(Role role) {
  switch (role) {
    case Role::Start: return QCoreApplication::translate("walk::Describe", "Start");
    case Role::End: return QCoreApplication::translate("walk::Describe", "End");
    case Role::Process: return QCoreApplication::translate("walk::Describe", "Process");
    case Role::Decision: return QCoreApplication::translate("walk::Describe", "Decision");
    case Role::Ellipse: return QCoreApplication::translate("walk::Describe", "Ellipse");
    case Role::Rectangle: return QCoreApplication::translate("walk::Describe", "Rectangle");
    case Role::Text: return QCoreApplication::translate("walk::Describe", "Text");
    case Role::Connector: return QCoreApplication::translate("walk::Describe", "Connector");
  }
  return {};
}

Role RoleOf(semantics::ItemKind kind) {
  switch (kind) {
    case semantics::ItemKind::Start: return Role::Start;
    case semantics::ItemKind::End: return Role::End;
    case semantics::ItemKind::Process: return Role::Process;
    case semantics::ItemKind::Decision: return Role::Decision;
    case semantics::ItemKind::Ellipse: return Role::Ellipse;
    case semantics::ItemKind::Rectangle: return Role::Rectangle;
    case semantics::ItemKind::Label: return Role::Text;
    case semantics::ItemKind::Line:
    case semantics::ItemKind::Arrow: return Role::Connector;
  }
  return Role::Process;
}

Description DescribeShape(const Chart& chart, int shape) {
  const Shape& s = chart.shapes[size_t(shape)];
  Description d{RoleOf(s.kind), NameOf(s), {}};
  const bool named = !OneLine(s.text).isEmpty();
  d.description = named ? RoleName(d.role) + ' ' + d.name : d.name;
  QStringList leads;
  for (int i : Branches(chart, shape, MainSide(chart))) {
    const Link& l = chart.links[size_t(i)];
    const QString to = QCoreApplication::translate("walk::Describe", "to %1").arg(NameOf(chart.shapes[size_t(l.to)]));
    const QString label = OneLine(l.label);
    leads << (label.isEmpty() ? to : label + ' ' + to);
  }
  if (!leads.isEmpty()) d.description += ": " + leads.join(", ");
  return d;
}

Description DescribeConnector(const Chart& chart, int link) {
  const Link& l = chart.links[size_t(link)];
  Description d{Role::Connector, OneLine(l.label), {}};
  const QString fromTo = QCoreApplication::translate("walk::Describe", "from %1 to %2")
                             .arg(NameOf(chart.shapes[size_t(l.from)]), NameOf(chart.shapes[size_t(l.to)]));
  d.description = d.name.isEmpty() ? fromTo : d.name + ", " + fromTo;
  return d;
}

Description DescribeText(const QString& text) {
  const QString name = OneLine(text);
  return {Role::Text, name, RoleName(Role::Text) + ' ' + name};
}

}  // namespace walk
