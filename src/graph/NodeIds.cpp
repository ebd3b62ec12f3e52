#include "NodeIds.h"

#include <cctype>
#include <unordered_set>

#include "MermaidChars.h"

namespace graph {
namespace {

constexpr size_t kMostCharacters = 32;

// Letters and digits of the text (ASCII, and the letters Mermaid takes in ids), each run of
// anything else one '_'.
std::string FromText(std::string_view text) {
  std::string id;
  size_t characters = 0;
  bool gap = false;
  for (size_t i = 0; i < text.size() && characters < kMostCharacters;) {
    size_t length = 1;
    const auto c = static_cast<unsigned char>(text[i]);
    const bool keep = c < 0x80 ? std::isalnum(c) != 0 : mermaid::IsIdLetter(mermaid::CodePointAt(text, i, &length));
    if (keep) {
      if (gap && !id.empty()) {
        id += '_';
        ++characters;
      }
      id.append(text.substr(i, length));
      ++characters;
      gap = false;
    } else {
      gap = true;
    }
    i += length;
  }
  return id.empty() ? std::string("n") : id;
}

}  // namespace

std::vector<std::string> WrittenIds(const Graph& graph, const std::function<bool(std::string_view)>& readsBack) {
  std::unordered_set<std::string> taken;
  std::vector<std::string> ids(graph.nodes.size());
  for (size_t i = 0; i < graph.nodes.size(); ++i) {
    const std::string& id = graph.nodes[i].id;
    if (!id.empty() && readsBack(id) && taken.insert(id).second) ids[i] = id;
  }
  for (size_t i = 0; i < graph.nodes.size(); ++i) {
    if (!ids[i].empty()) continue;
    std::string base = FromText(graph.nodes[i].id.empty() ? graph.nodes[i].text : graph.nodes[i].id);
    if (!readsBack(base) && !readsBack(base + "_2")) base = "n";
    std::string candidate = base;
    for (int k = 2; !readsBack(candidate) || taken.count(candidate); ++k) candidate = base + "_" + std::to_string(k);
    taken.insert(candidate);
    ids[i] = candidate;
  }
  return ids;
}

}  // namespace graph
