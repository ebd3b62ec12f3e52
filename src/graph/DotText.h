#pragma once
#include <string>
#include <string_view>

#include "Graph.h"

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

// A label as Graphviz shows it: \N and its kin replaced by the names, then HTML's entities (&amp;,
// &#9829;) decoded, then \n, \l and \r break lines (one at the very end adds none) and any other
// escaped character stands for itself.
std::string ShowLabel(std::string_view raw, const LabelNames& names);

// The fields of a record label ("<f0> left|{mid|right}"), each on a line of its own, as raw labels:
// ports and braces dropped, the record's escapes (\| \{ \} \< \> \ ) resolved, other escapes left
// for ShowLabel. Whether any field had a port.
std::string RecordFields(std::string_view raw, bool* ports);

// The text of an HTML-like label: <br/>, the end of a table row and <hr/> break lines, other tags
// are dropped, white space runs are one blank, entities are replaced. A label wholly inside <b> or
// <i> sets its font instead.
std::string HtmlText(std::string_view html, TextStyle* font);

std::string Latin1ToUtf8(std::string_view latin1);
bool IsUtf8(std::string_view text);

// A double-quoted DOT string whose label reads back as `text` ('\n' written as \n).
std::string QuoteLabel(std::string_view text);
// An HTML-like label (<...>) that reads back as `text` in that font.
std::string HtmlLabel(std::string_view text, const TextStyle& font);
// A double-quoted DOT id (no escapes of labels apply to it).
std::string QuoteId(std::string_view id);

}  // namespace graph::dot
