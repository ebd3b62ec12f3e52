// Arbitrary bytes as Graphviz DOT: read through Graphviz's parser, and what was read written and
// read again. Besides a crash, a hang or a sanitizer report, a finding is a graph that does not
// hold together, one that does not come back the same, or any read depending on an earlier one:
// every input is read twice, and the second reading must equal the first.
#include <string_view>

#include "Dot.h"
#include "GraphSummary.h"
#include "TextRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const graph::ParseResult r = graph::ReadDot(text);
  const graph::ParseResult again = graph::ReadDot(text);
  if (graphtest::Outcome(r) != graphtest::Outcome(again)) fuzzcheck::Fail("a second reading of the same text differs", graphtest::Outcome(r) + "\n--- then ---\n" + graphtest::Outcome(again));
  if (!r.ok()) {
    if (!r.error) fuzzcheck::Fail("no graph and no error", std::string(text));
    return 0;
  }
  fuzzcheck::ExpectWellFormed(*r.graph);
  fuzzcheck::ExpectRoundTrip(*r.graph, graph::WriteDot, graph::ReadDot, true);
  return 0;
}
