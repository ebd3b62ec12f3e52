#include "CommandLine.h"

#include <cstdio>
#include <cstring>

// KEDRIN_VERSION is the project's version, given to this file by cmake/Packaging.cmake.
#ifndef KEDRIN_VERSION
#error "KEDRIN_VERSION must be defined by the build"
#endif

namespace commandline {

namespace {
// The manual page kedrin(1) is generated from this text by help2man: "Usage:", "Options:" and
// "Examples:" become its sections, so keep those headings and the two-space option columns.
const char* const kHelp =
    "Usage: kedrin [OPTION]... [FILE]...\n"
    "Draw, edit and print flowchart diagrams.\n"
    "\n"
    "Opens the main window of Kedrin Tools Demo, and each diagram FILE (.kdl) in a document\n"
    "window of its own. A file that cannot be read is reported in a message box; the others\n"
    "still open. The editor needs a graphical display (the DISPLAY environment variable).\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "      --version  print the version and exit\n"
    "\n"
    "Qt's standard options, such as -display DISPLAY, -platform NAME or -style STYLE, are\n"
    "accepted too.\n"
    "\n"
    "Exit status:\n"
    "  0      the main window was closed, or the help or the version was printed\n"
    "  other  the editor could not start, for example without a display\n"
    "\n"
    "Examples:\n"
    "  $ kedrin\n"
    "  $ kedrin order-flow.kdl billing.kdl\n"
    "\n"
    "The first starts the editor with no diagram open; the second opens two diagrams.\n";
}  // namespace

Request Parse(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "-h") || !std::strcmp(argv[i], "--help")) return Request::Help;
    if (!std::strcmp(argv[i], "--version")) return Request::Version;
  }
  return Request::StartEditor;
}

std::string HelpText() { return kHelp; }

std::string VersionText() {
  return "kedrin (Kedrin Tools Demo) " KEDRIN_VERSION "\n"
         "Copyright (c) 2026 Kedrin Tools Studio\n"
         "This is free software under the MIT licence; there is NO WARRANTY, to the extent\n"
         "permitted by law.\n";
}

std::optional<int> AnswerInfoRequest(int argc, const char* const* argv) {
  std::string text;
  switch (Parse(argc, argv)) {
    case Request::StartEditor:
      return std::nullopt;
    case Request::Help:
      text = HelpText();
      break;
    case Request::Version:
      text = VersionText();
      break;
  }
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace commandline
