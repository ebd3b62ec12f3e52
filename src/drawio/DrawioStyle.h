#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A cell's style as draw.io writes it: "rounded=1;whiteSpace=wrap;html=1;" or
// "ellipse;aspect=fixed;fillColor=#dae8fc;", named styles (bare words) and key=value pairs.
namespace drawio {

struct Style {
  std::vector<std::string> names;                           // the bare words, in order
  std::vector<std::pair<std::string, std::string>> values;  // key=value pairs, in order

  // The value of the key, the last one given (draw.io lets a later pair override an earlier).
  std::optional<std::string_view> Get(std::string_view key) const;
  bool Has(std::string_view key) const { return Get(key).has_value(); }
  // "1" (or "true") is on, "0" (or "false") off; anything else, or no value, is the default.
  bool Flag(std::string_view key, bool fallback = false) const;
  // The value as a number; the default when it is missing or no number.
  double Number(std::string_view key, double fallback) const;
  bool HasName(std::string_view name) const;
  // The shape the cell is drawn as: the `shape` value, else the first bare word; empty for a
  // plain rectangle.
  std::string ShapeName() const;
};

Style ParseStyle(std::string_view text);

}  // namespace drawio
