// Arbitrary bytes as a Mermaid flowchart: read, and what was read written and read again. The
// reader's errors are the expected outcome of most inputs; a crash, a sanitizer report, a hang, a
// graph that does not hold together or one that does not come back the same is a finding.
#include <string_view>

#include "Mermaid.h"
#include "TextRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const graph::ParseResult r = graph::ReadMermaid(text);
  if (!r.ok()) {
    if (!r.error) fuzzcheck::Fail("no graph and no error", std::string(text));
    return 0;
  }
  fuzzcheck::ExpectWellFormed(*r.graph);
  fuzzcheck::ExpectRoundTrip(*r.graph, graph::WriteMermaid, graph::ReadMermaid, false);
  return 0;
}
