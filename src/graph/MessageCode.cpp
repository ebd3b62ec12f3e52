#include "MessageCode.h"

#include <iterator>

// This library has no Qt: the mark only shows Qt's translation tools the texts to collect.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace graph {

namespace {

constexpr const char* kPatterns[] = {
    "%1",
    QT_TRANSLATE_NOOP("ChartMessages", "the text holds no flowchart: expected 'flowchart' or 'graph'"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected 'flowchart' or 'graph', found '%1'"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a direction (TB, TD, BT, LR, RL) or the end of the line, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected the end of the line after the direction, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "unknown direction '%1' (TB, TD, BT, LR, RL, >, <, ^ or v)"),
    QT_TRANSLATE_NOOP("ChartMessages", "unexpected '%1'"),
    QT_TRANSLATE_NOOP("ChartMessages", "'\"' is not closed"),
    QT_TRANSLATE_NOOP("ChartMessages", "'%1' is not closed"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected the text of '%1', found %2"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected the end of '%1', found %2"),
    QT_TRANSLATE_NOOP("ChartMessages", "'end' without a subgraph"),
    QT_TRANSLATE_NOOP("ChartMessages", "The subgraph %1 on line %2 is not closed with 'end': it is closed at the end of the text."),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a link, '&' or the end of the statement, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a node, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a node after '&', found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a node after the link, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a class name after ':::', found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a link, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "the link's text is not followed by '==>' or '==='"),
    QT_TRANSLATE_NOOP("ChartMessages", "the link's text is not followed by '.->' or '.-'"),
    QT_TRANSLATE_NOOP("ChartMessages", "the link's text is not followed by '-->' or '---'"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a property name after '[|', found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected ':' after the property name, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a property value, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected '|' after the property, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a node id after 'style', found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected styles after the node id, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a class name after 'classDef', found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected styles after the class name, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a node id after 'class', found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a class name after the node ids, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a link number after 'linkStyle', found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a link number or 'default' after 'linkStyle', found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected styles after the link numbers, found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected a curve after 'interpolate', found %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected styles after the node id"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected styles after the class name"),
    QT_TRANSLATE_NOOP("ChartMessages", "expected styles after the link numbers"),
    QT_TRANSLATE_NOOP("ChartMessages", "the flowchart holds no node to draw"),
    QT_TRANSLATE_NOOP("ChartMessages", "the front matter is not closed with '---'"),
    QT_TRANSLATE_NOOP("ChartMessages", "the data of %1 is not understood: '%2' is not a key: value pair"),
    QT_TRANSLATE_NOOP("ChartMessages", "no such shape: %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "no such shape: %1 (shape names are lower case, without '_')"),
    QT_TRANSLATE_NOOP("ChartMessages", "the front matter (title and configuration) is skipped"),
    QT_TRANSLATE_NOOP("ChartMessages", "the directive '%%{...}%%' (configuration) is skipped"),
    QT_TRANSLATE_NOOP("ChartMessages", "'direction' is skipped"),
    QT_TRANSLATE_NOOP("ChartMessages", "the accessible title ('accTitle') is skipped"),
    QT_TRANSLATE_NOOP("ChartMessages", "the accessible description ('accDescr') is skipped"),
    QT_TRANSLATE_NOOP("ChartMessages", "'click' is skipped"),
    QT_TRANSLATE_NOOP("ChartMessages", "the curve of links ('interpolate') is not drawn"),
    QT_TRANSLATE_NOOP("ChartMessages", "the curve of the link %1 is not drawn"),
    QT_TRANSLATE_NOOP("ChartMessages", "the animation of the link %1 is not drawn"),
    QT_TRANSLATE_NOOP("ChartMessages", "linkStyle names link %1, but there are only %2"),
    QT_TRANSLATE_NOOP("ChartMessages", "the direction %1 is drawn top to bottom"),
    QT_TRANSLATE_NOOP("ChartMessages", "the style %1 is not a property: value pair"),
    QT_TRANSLATE_NOOP("ChartMessages", "the colour %1 is not understood"),
    QT_TRANSLATE_NOOP("ChartMessages", "the stroke width %1 is not understood"),
    QT_TRANSLATE_NOOP("ChartMessages", "the colour in %1 is not understood"),
    QT_TRANSLATE_NOOP("ChartMessages", "the title of the subgraph %1 is longer than 10,000 characters: cut"),
    QT_TRANSLATE_NOOP("ChartMessages", "the id %1 is longer than 10,000 characters: cut"),
    QT_TRANSLATE_NOOP("ChartMessages", "the text of %1 is longer than 10,000 characters: cut"),
    QT_TRANSLATE_NOOP("ChartMessages", "the icon %1 of %2 is left out"),
    QT_TRANSLATE_NOOP("ChartMessages", "bold and italic in a part of the text of %1 are shown plain"),
    QT_TRANSLATE_NOOP("ChartMessages", "%1 is %2, drawn as %3"),
    QT_TRANSLATE_NOOP("ChartMessages", "the borders %1 of %2 are drawn all round"),
    QT_TRANSLATE_NOOP("ChartMessages", "the image of %1 is left out"),
    QT_TRANSLATE_NOOP("ChartMessages", "an invisible link ('~~~') is skipped"),
    QT_TRANSLATE_NOOP("ChartMessages", "a link of %1 is skipped: %1 is a link's id"),
    QT_TRANSLATE_NOOP("ChartMessages", "A link on line %1 to or from a subgraph without nodes is skipped."),
    QT_TRANSLATE_NOOP("ChartMessages", "the icon %1 of a link's text is left out"),
    QT_TRANSLATE_NOOP("ChartMessages", "bold and italic in a part of a link's text are shown plain"),
    QT_TRANSLATE_NOOP("ChartMessages", "a link's text is longer than 10,000 characters: cut"),
    QT_TRANSLATE_NOOP("ChartMessages", "circle and cross ends of links are drawn as arrow heads"),
    QT_TRANSLATE_NOOP("ChartMessages", "a mark at the start of a link without one at its end is left out"),
    QT_TRANSLATE_NOOP("ChartMessages", "the two halves of a link with a text differ: drawn as a plain arrow"),
    QT_TRANSLATE_NOOP("ChartMessages", "the text holds no DOT graph"),
    QT_TRANSLATE_NOOP("ChartMessages", "what follows the first graph is not all DOT: %1"),
    QT_TRANSLATE_NOOP("ChartMessages", "the text holds %1 graphs: only the first is read"),
    QT_TRANSLATE_NOOP("ChartMessages", "the graph %1 holds no node to draw"),
    QT_TRANSLATE_NOOP("ChartMessages", "the graph holds no node to draw"),
    QT_TRANSLATE_NOOP("ChartMessages", "nodes of shape %1 (the first is '%2') are drawn as process boxes"),
    QT_TRANSLATE_NOOP("ChartMessages", "the ports of the record %1 are ignored: its fields are lines"),
    QT_TRANSLATE_NOOP("ChartMessages", "the text of the edge %1 is longer than 10,000 characters: cut"),
    QT_TRANSLATE_NOOP("ChartMessages", "the title of the cluster %1 is longer than 10,000 characters: cut"),
};
static_assert(std::size(kPatterns) == static_cast<size_t>(MessageCode::Count), "a pattern for each code, in order");

}  // namespace

const char* PatternOf(MessageCode code) {
  const size_t k = static_cast<size_t>(code);
  return k < std::size(kPatterns) ? kPatterns[k] : kPatterns[0];
}

std::string Fill(std::string_view pattern, const std::vector<std::string>& words) {
  std::string out;
  out.reserve(pattern.size() + 32);
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const size_t k = static_cast<size_t>(pattern[i + 1] - '1');
      if (k < words.size()) {
        out += words[k];
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace graph
