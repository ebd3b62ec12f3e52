#include "MermaidChart.h"

#include <algorithm>
#include <cmath>

#include "Colour.h"
#include "LargeArrays.h"
#include "MermaidData.h"
#include "MermaidShapes.h"

namespace graph::mermaid {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\n')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\n')) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> SplitAt(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  for (size_t start = 0;;) {
    const size_t end = s.find(separator, start);
    parts.push_back(s.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::string Q(std::string_view s) { return "'" + Excerpt(s) + "'"; }

// The text Mermaid keeps of a written one: trimmed, and one pair of quotes around it dropped.
WrittenText Kept(const WrittenText& written) {
  WrittenText kept{Trim(written.text), written.kind};
  if (kept.text.size() >= 2 && kept.text.front() == '"' && kept.text.back() == '"')
    kept.text = kept.text.substr(1, kept.text.size() - 2);
  return kept;
}

}  // namespace

LinkKind LinkKindOf(std::string_view endText, std::string_view startText) {
  LinkKind kind;
  const std::string_view end = Trim(endText);
  std::string_view line = end.substr(0, end.empty() ? 0 : end.size() - 1);
  const char last = end.empty() ? '-' : end.back();
  const char first = end.empty() ? '-' : end.front();
  kind.end = last == 'x' ? LinkKind::Mark::Cross : last == '>' ? LinkKind::Mark::Arrow : last == 'o' ? LinkKind::Mark::Circle : LinkKind::Mark::None;
  if (kind.end != LinkKind::Mark::None && first == (last == '>' ? '<' : last) && end.size() > 1) {
    kind.bothEnds = true;
    line.remove_prefix(1);
  } else if (first == '<' || first == 'x' || first == 'o') {
    kind.startMarkIgnored = true;
  }
  if (line.starts_with('=')) kind.stroke = LinkKind::Stroke::Thick;
  if (line.starts_with('~')) kind.stroke = LinkKind::Stroke::Invisible;
  if (line.find('.') != std::string_view::npos) kind.stroke = LinkKind::Stroke::Dotted;
  if (startText.empty()) return kind;

  // "-- text -->": the opening part's mark and stroke must agree with the closing part's.
  const std::string_view start = Trim(startText);
  const char mark = start.empty() ? '-' : start.front();
  const LinkKind::Mark startMark = mark == '<' ? LinkKind::Mark::Arrow : mark == 'x' ? LinkKind::Mark::Cross
                                   : mark == 'o' ? LinkKind::Mark::Circle : LinkKind::Mark::None;
  const LinkKind::Stroke startStroke = start.find('.') != std::string_view::npos ? LinkKind::Stroke::Dotted
                                       : start.find('=') != std::string_view::npos ? LinkKind::Stroke::Thick
                                                                                   : LinkKind::Stroke::Normal;
  kind.startMarkIgnored = false;
  if (startStroke != kind.stroke || (startMark != LinkKind::Mark::None && startMark != kind.end)) {
    kind.stroke = LinkKind::Stroke::Invalid;
    kind.end = LinkKind::Mark::Arrow;
    kind.bothEnds = false;
  } else if (startMark != LinkKind::Mark::None) {
    kind.bothEnds = true;
  }
  return kind;
}

// Room for what a text of this size holds, so that nothing is moved as it grows.
static size_t Guess(const Source& source) { return source.text().size() / 32; }

Chart::Chart(const Source& source) : source_(source), vertexOf_(VertexId{&vertices_}, Guess(source)) {
  ReserveLarge(vertices_, Guess(source));
  ReserveLarge(edges_, Guess(source));
}

std::string_view Chart::keep(std::string text) { return kept_.emplace_back(std::move(text)); }

void Chart::warn(size_t at, Said said) { warnings_.push_back(Message::Of(source_.lineOf(at), 0, std::move(said))); }

void Chart::addVertex(std::string_view idText, size_t at, const std::optional<WrittenText>& text, std::string_view type,
                      const std::vector<std::string>& styles, const std::optional<std::string>& data, size_t dataAt) {
  const std::string_view id = Trim(idText);
  if (id.empty()) return;
  std::vector<DataItem> items;
  if (data) {
    std::string why;
    std::optional<std::vector<DataItem>> parsed = ParseData(*data, &why);
    if (!parsed) throw SyntaxError(dataAt, {MessageCode::DataNotKeyValue, {Q(id), why}});
    items = std::move(*parsed);
  }
  // An id that names a link takes the data for the link.
  if (const auto link = edgeOf_.find(id); link != edgeOf_.end()) {
    for (const DataItem& item : items)
      if (item.key == "animate" || item.key == "animation" || item.key == "curve")
        warn(dataAt, {item.key == "curve" ? MessageCode::LinkCurveNotDrawn : MessageCode::LinkAnimationNotDrawn, {Q(id)}});
    return;
  }
  const auto [number, added] = vertexOf_.insert(id, vertices_.size());
  if (added) vertices_.push_back(Vertex{id, std::nullopt, {}, at, at, nullptr});
  Vertex& v = vertices_[number];
  if (v.subgraph < 0 && !open_.empty()) v.subgraph = open_.back();
  if (text) v.text = Kept(*text);
  if (!type.empty()) {
    v.type = type;
    v.typeAt = at;
  }
  for (const std::string& style : styles) extrasOf(v.extras).styles.emplace_back(style, at);
  for (const DataItem& item : items) {
    if (item.key == "shape") {
      if (!IsShapeDataName(item.value)) {
        const bool written = std::any_of(item.value.begin(), item.value.end(), [](char c) { return c == '_' || (c >= 'A' && c <= 'Z'); });
        throw SyntaxError(dataAt, {written ? MessageCode::NoSuchShapeWritten : MessageCode::NoSuchShape, {Q(item.value)}});
      }
      v.type = keep(item.value);
      v.typeAt = dataAt;
    } else if (item.key == "label") {
      v.text = WrittenText{keep(item.value), TextKind::Markdown};
    }
  }
  for (const DataItem& item : items) {
    if (item.key == "labelType" && v.text && (item.value == "text" || item.value == "string")) v.text->kind = TextKind::String;
    const bool label = std::any_of(items.begin(), items.end(), [](const DataItem& d) { return d.key == "label"; });
    if (item.key == "icon" || item.key == "img") {
      if (item.key == "icon") extrasOf(v.extras).icon = item.value.empty() ? "icon" : item.value;
      if (item.key == "img") extrasOf(v.extras).image = true;
      // An icon or image without a label shows none, not the id.
      if (!label && (!v.text || v.text->text == id)) v.text = WrittenText{"", TextKind::Plain};
    }
  }
}

void Chart::setBorders(std::string_view id, std::string_view borders) {
  if (const size_t v = vertexOf_.find(Trim(id)); v != decltype(vertexOf_)::npos) extrasOf(vertices_[v].extras).borders = borders;
}

void Chart::addLink(const std::vector<std::string_view>& from, const std::vector<std::string_view>& to, const Link& link, size_t at) {
  Link kept = link;
  if (kept.text) kept.text = Kept(*kept.text);
  const auto indexOf = [&](std::string_view id) { return vertexOf_.find(id); };
  std::vector<size_t> heads;
  for (std::string_view b : to) heads.push_back(indexOf(b));
  for (std::string_view a : from)
    for (size_t k = 0; k < to.size(); ++k) {
      const std::string_view b = to[k];
      Edge edge{indexOf(a), heads[k], {}, kept, at, nullptr};
      if (edge.from == std::string_view::npos) edge.missing = a;
      if (edge.to == std::string_view::npos) edge.missing = b;
      // Only the link between the last node before it and the first after it takes the id.
      const bool named = !link.id.empty() && a == from.back() && b == to.front() && !edgeOf_.count(link.id);
      if (named)
        edgeOf_.emplace(link.id, edges_.size());
      else
        edge.link.id = {};
      edges_.push_back(std::move(edge));
    }
}

void Chart::setClass(std::string_view ids, std::string_view name) {
  for (std::string_view id : SplitAt(ids, ',')) {
    if (const size_t v = vertexOf_.find(id); v != decltype(vertexOf_)::npos) extrasOf(vertices_[v].extras).classes.emplace_back(name);
    if (const auto e = edgeOf_.find(id); e != edgeOf_.end()) extrasOf(edges_[e->second].extras).classes.emplace_back(name);
  }
}

void Chart::addClass(std::string_view names, const std::vector<std::string>& styles, size_t at) {
  for (std::string_view name : SplitAt(names, ','))
    for (const std::string& style : styles) classes_[std::string(name)].emplace_back(style, at);
}

void Chart::linkStyle(std::optional<std::vector<size_t>> numbers, const std::vector<std::string>& styles, size_t at) {
  Styles kept;
  for (const std::string& style : styles) kept.emplace_back(style, at);
  if (!numbers) {
    defaultLinkStyles_ = kept;
    return;
  }
  for (size_t k : *numbers) {
    if (k >= edges_.size()) {
      warn(at, {MessageCode::LinkStyleBeyond, {std::to_string(k), std::to_string(edges_.size())}});
      continue;
    }
    Extras& extras = extrasOf(edges_[k].extras);
    extras.styles = kept;
    extras.ownStyles = true;
  }
}

void Chart::openSubgraph(std::string_view id, std::string_view title, size_t at) {
  const int number = static_cast<int>(subgraphList_.size());
  Subgraph sub;
  sub.id = std::string(id);
  sub.title = std::string(title.empty() ? id : title);
  sub.parent = open_.empty() ? -1 : open_.back();
  sub.at = at;
  subgraphList_.push_back(std::move(sub));
  if (!id.empty()) subgraphs_.emplace(std::string(id), number);
  open_.push_back(number);
}

void Chart::closeSubgraph() {
  if (!open_.empty()) open_.pop_back();
}

std::string Chart::openSubgraphName() const {
  if (open_.empty()) return {};
  const Subgraph& sub = subgraphList_[static_cast<size_t>(open_.back())];
  return Q(sub.title.empty() ? sub.id : sub.title);
}

void Chart::setDirection(std::string_view written, size_t at) {
  const std::string_view dir = Trim(written);
  Direction d = Direction::TopToBottom;
  if (dir == "LR" || dir == ">") d = Direction::LeftToRight;
  else if (dir == "RL" || dir == "<") d = Direction::RightToLeft;
  else if (dir == "BT" || dir == "^") d = Direction::BottomToTop;
  else if (dir == "TB" || dir == "TD" || dir == "v") d = Direction::TopToBottom;
  else warn(at, {MessageCode::DirectionDrawnTopToBottom, {Q(dir)}});
  if (!open_.empty()) {
    subgraphList_[static_cast<size_t>(open_.back())].direction = d;
    return;
  }
  direction_ = d;
}

void Chart::applyNodeStyles(Node& node, const Styles& styles) {
  for (const auto& [written, at] : styles) {
    const std::string_view item = Trim(written);
    const size_t colon = item.find(':');
    if (item.empty()) continue;
    if (colon == std::string_view::npos) {
      warn(at, {MessageCode::StyleNotPair, {Q(item)}});
      continue;
    }
    const std::string_view key = Trim(item.substr(0, colon));
    const std::string_view value = Trim(item.substr(colon + 1));
    if (key == "fill" || key == "stroke") {
      const std::optional<Rgb> colour = ParseCssColour(value);
      if (!colour) {
        warn(at, {MessageCode::ColourNotUnderstood, {Q(value)}});
        continue;
      }
      (key == "fill" ? node.fill : node.stroke) = colour;
    } else if (key == "stroke-width") {
      char* end = nullptr;
      const std::string number(value);
      const double width = std::strtod(number.c_str(), &end);
      if (end == number.c_str() || !(width >= 0 && width < 1000) || (*end && std::string_view(end) != "px")) {
        warn(at, {MessageCode::StrokeWidthNotUnderstood, {Q(number)}});
        continue;
      }
      // 2 is the width every figure is drawn with: no width of its own.
      node.strokeWidth = static_cast<int>(std::nearbyint(width));
      if (node.strokeWidth == 2) node.strokeWidth = 0;
    } else if (key == "stroke-dasharray") {
      node.dashed = value != "0" && value != "none" && !value.empty();
    } else if (key == "font-weight") {
      node.font.bold = value == "bold" || value == "bolder" || (value >= "600" && value.size() == 3);
    } else if (key == "font-style") {
      node.font.italic = value == "italic" || value == "oblique";
    }
    // Text colours, fonts and the like have no place in the diagram's figures.
  }
}

void Chart::applyEdgeStyles(graph::Edge& edge, const Styles& styles) {
  for (const auto& [written, at] : styles) {
    const std::string_view item = Trim(written);
    const size_t colon = item.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view key = Trim(item.substr(0, colon));
    const std::string_view value = Trim(item.substr(colon + 1));
    if (key == "stroke") {
      edge.colour = ParseCssColour(value);
      if (!edge.colour) warn(at, {MessageCode::ColourInNotUnderstood, {Q(item)}});
    } else if (key == "stroke-width") {
      const double width = std::atof(std::string(value).c_str());
      if (width > 0 && width < 1000) edge.width = static_cast<int>(std::nearbyint(width));
    } else if (key == "stroke-dasharray" && value != "0" && value != "none" && !value.empty()) {
      edge.style = LineStyle::Dashed;
    } else if (key == "font-weight") {
      edge.labelFont.bold = value == "bold" || value == "bolder";
    } else if (key == "font-style") {
      edge.labelFont.italic = value == "italic" || value == "oblique";
    }
  }
}

}  // namespace graph::mermaid
