#pragma once
#include <QString>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

class QWidget;

// A failure of a command, carrying the text shown to the user (UTF-8).
class EKedrinError : public std::runtime_error {
 public:
  explicit EKedrinError(const std::string& message) : std::runtime_error(message) {}
  explicit EKedrinError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

namespace errors {

// Text that may come from a file (class and property names, file names, chart texts) made safe to
// show: every control character (C0, DEL and C1) and every byte that is not UTF-8 becomes #n, its
// code in decimal, as in the quoting of form files, so that an escape sequence in a file never
// reaches a terminal. Everything else stays as it is.
std::string Printable(std::string_view utf8);
inline std::string Printable(const char* utf8) { return Printable(std::string_view(utf8)); }
inline std::string Printable(const std::string& utf8) { return Printable(std::string_view(utf8)); }
QString Printable(const QString& text);
// As Printable, but tabs and line breaks stay: the error box lays its text out with them, and a
// box is no terminal.
std::string PrintableLines(std::string_view utf8);
QString PrintableLines(const QString& text);
// The same rule in that quoting: printable runs in single quotes (a quote doubled), '' for
// nothing; "a'b" + ESC gives 'a''b'#27.
std::string Quoted(std::string_view utf8);

// Runs a command; an exception ends it and its text, PrintableLines, is shown in the standard error box.
// Returns false when the command failed.
bool RunCommand(QWidget* parent, const std::function<void()>& command);
// The standard error box (or, without a display for boxes, the installed reporter), showing the
// message PrintableLines.
void ShowError(QWidget* parent, const QString& message);
// Tests and tools replace the box with their own reporter.
using Reporter = std::function<void(const QString&)>;
void SetReporter(Reporter reporter);

}  // namespace errors
