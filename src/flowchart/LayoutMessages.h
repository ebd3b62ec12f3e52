#pragma once
#include <QString>
#include <optional>
#include <string>

// Auto Layout's and the layout program's reasons as the editor shows them. They are made in
// English, as kdltool prints them, and some come from the layout program's own process; here they
// are matched against their patterns and shown in the user's language where a translation has
// them, their counts in the user's way of writing numbers.
namespace flowchart {

// The reason translated; none when no pattern matches it (Graphviz's own words).
std::optional<QString> KnownLayoutMessage(const std::string& english);

// The reason translated, or as it is when no pattern matches it.
QString LayoutMessageText(const std::string& english);

}  // namespace flowchart
