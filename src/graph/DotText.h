#pragma once
#include <string>
#include <string_view>

// Texts as DOT writes them: escape sequences in labels, HTML-like labels, record labels and the
// Latin-1 of charset=latin1 files.
namespace graph::dot {

// The names that \N, \G, \E, \T and \H stand for in a label.
struct LabelNames {
  std::string_view object;  // the node's name, or the edge's "tail->head"
  std::string_view graph;
  std::string_view tail;
  std::string_view head;
};

// A label as Graphviz shows it: \n, \l and \r break lines (one at the very end adds none), \N and
// its kin are replaced, any other escaped character stands for itself.
std::string UnescapeLabel(std::string_view raw, const LabelNames& names);

// The text of a record label ("<f0> left|{mid|right}"): each field on a line of its own, ports
// and braces dropped, its escapes (\| \{ \<) left for UnescapeLabel.
std::string RecordFields(std::string_view raw);

// The text of an HTML-like label: <br/> breaks lines, other tags are dropped, entities replaced.
std::string HtmlText(std::string_view html);

std::string Latin1ToUtf8(std::string_view latin1);
bool IsUtf8(std::string_view text);

// A double-quoted DOT string whose label reads back as `text` ('\n' written as \n).
std::string QuoteLabel(std::string_view text);
// A double-quoted DOT id (no escapes of labels apply to it).
std::string QuoteId(std::string_view id);

}  // namespace graph::dot
