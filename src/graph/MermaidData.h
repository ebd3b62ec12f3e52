#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The data of a node or a link, `A@{ shape: rect, label: "Text" }`: YAML that Mermaid reads as a
// flow mapping when it is written on one line and as a block mapping over several.
namespace graph::mermaid {

struct DataItem {
  std::string key;
  std::string value;  // quotes removed; empty for a key without a value
  bool operator==(const DataItem&) const = default;
};

// The pairs in the order written; none when the data is not a mapping of plain values (why is the
// item that is no key: value pair, cut to 60 bytes).
std::optional<std::vector<DataItem>> ParseData(std::string_view data, std::string* why);

}  // namespace graph::mermaid
