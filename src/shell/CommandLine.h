#pragma once
#include <optional>
#include <string>

// The editor's own command-line options, answered before Qt or a display is touched: --help and
// --version print their text and end the program. Every other argument is left to Qt (its
// standard options) and to the main window (diagrams to open).
namespace commandline {

enum class Request { StartEditor, Help, Version };

// The first of -h, --help or --version among the arguments (argv[0] is the program).
Request Parse(int argc, const char* const* argv);

std::string HelpText();
std::string VersionText();

// Prints the help or the version when the arguments ask for it and returns the exit status;
// nothing when the editor is to start.
std::optional<int> AnswerInfoRequest(int argc, const char* const* argv);

}  // namespace commandline
