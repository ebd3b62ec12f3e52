#pragma once
#include <QString>

#include "ParseResult.h"

// A Mermaid or DOT reading's warning or error as the editor shows it: in the user's language
// where a translation has it, else in the English that kdltool prints (graph::Describe).
namespace flowchart {

// "line 3, column 7: reason", "line 3: reason" or "reason", translated.
QString ChartMessageText(const graph::Message& message);

}  // namespace flowchart
