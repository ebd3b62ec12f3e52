// What graph::ReadMermaid makes of flowchart texts, as JSON for the differential check.
//
// Standard input: one JSON object a line, {"text": "flowchart LR\nA --> B"}.
// Standard output: one JSON object a line for each, flushed at once, so that the harness knows
// which input a crash or a hang happened on:
//   {"ok": true, "direction": "LR", "nodes": [{"id", "text", "shape"}],
//    "edges": [{"from", "to", "text", "stroke", "headFrom", "headTo", ["id"]}], "warnings": [...]}
//   {"ok": false, "error": "line 2, column 5: ...", "warnings": [...]}
// Fields the graph types may gain (edge ids, a head at the source) are printed when they exist,
// so this program builds against older and newer versions of the graph library alike.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <cstdio>
#include <iostream>
#include <string>

#include "Mermaid.h"

namespace {

QString Str(const std::string& s) { return QString::fromStdString(s); }

QString ShapeName(graph::Shape shape) {
  switch (shape) {
    case graph::Shape::Process: return "Process";
    case graph::Shape::Start: return "Start";
    case graph::Shape::End: return "End";
    case graph::Shape::Decision: return "Decision";
    case graph::Shape::Ellipse: return "Ellipse";
    case graph::Shape::Rectangle: return "Rectangle";
    default: return "Shape" + QString::number(static_cast<int>(shape));
  }
}

QString StrokeName(graph::LineStyle style) {
  switch (style) {
    case graph::LineStyle::Solid: return "solid";
    case graph::LineStyle::Dashed: return "dotted";
    case graph::LineStyle::Thick: return "thick";
    default: return "style" + QString::number(static_cast<int>(style));
  }
}

QString DirectionName(graph::Direction direction) {
  switch (direction) {
    case graph::Direction::TopToBottom: return "TB";
    case graph::Direction::BottomToTop: return "BT";
    case graph::Direction::LeftToRight: return "LR";
    case graph::Direction::RightToLeft: return "RL";
    default: return "direction" + QString::number(static_cast<int>(direction));
  }
}

// A head at the edge's source, under the names the field may have; none when the graph has none.
template <class E>
bool HeadAtFrom(const E& edge) {
  if constexpr (requires { bool(edge.headAtFrom); }) return edge.headAtFrom;
  else if constexpr (requires { bool(edge.startHead); }) return edge.startHead;
  else if constexpr (requires { bool(edge.tailHead); }) return edge.tailHead;
  else if constexpr (requires { bool(edge.backHead); }) return edge.backHead;
  else if constexpr (requires { bool(edge.bothHeads); }) return edge.bothHeads;
  else return false;
}

template <class T>
void PutId(QJsonObject& out, const T& item) {
  if constexpr (requires { std::string(item.id); }) out["id"] = Str(item.id);
}

QJsonObject Dump(const std::string& text) {
  const graph::ParseResult result = graph::ReadMermaid(text);
  QJsonObject out;
  QJsonArray warnings;
  for (const graph::Message& warning : result.warnings) warnings.append(Str(graph::Describe(warning)));
  out["warnings"] = warnings;
  out["ok"] = result.ok();
  if (!result.ok()) {
    out["error"] = result.error ? Str(graph::Describe(*result.error)) : QString("no graph and no error");
    return out;
  }
  const graph::Graph& g = *result.graph;
  out["direction"] = DirectionName(g.direction);
  QJsonArray nodes;
  for (const graph::Node& node : g.nodes)
    nodes.append(QJsonObject{{"id", Str(node.id)}, {"text", Str(node.text)}, {"shape", ShapeName(node.shape)}});
  out["nodes"] = nodes;
  QJsonArray edges;
  const auto idOf = [&](int index) {
    return index >= 0 && index < static_cast<int>(g.nodes.size()) ? Str(g.nodes[index].id)
                                                                 : "#" + QString::number(index);
  };
  for (const graph::Edge& edge : g.edges) {
    QJsonObject e{{"from", idOf(edge.from)},
                  {"to", idOf(edge.to)},
                  {"text", Str(edge.label)},
                  {"stroke", StrokeName(edge.style)},
                  {"headFrom", HeadAtFrom(edge)},
                  {"headTo", edge.directed}};
    PutId(e, edge);
    edges.append(e);
  }
  out["edges"] = edges;
  return out;
}

}  // namespace

int main() {
  std::ios::sync_with_stdio(false);
  std::string line;
  int number = 0;
  while (std::getline(std::cin, line)) {
    ++number;
    QJsonParseError error{};
    const QJsonDocument input = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    if (!input.isObject() || !input.object().value("text").isString()) {
      std::cerr << "mermaid-dump: input line " << number << " is not {\"text\": \"...\"}\n";
      return 2;
    }
    const std::string text = input.object().value("text").toString().toStdString();
    const QByteArray json = QJsonDocument(Dump(text)).toJson(QJsonDocument::Compact);
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
  }
  return 0;
}
