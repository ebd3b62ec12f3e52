#pragma once
#include <QString>
#include <functional>
#include <stdexcept>
#include <string>

class QWidget;

// A failure of a command, carrying the text shown to the user (UTF-8).
class EKedrinError : public std::runtime_error {
 public:
  explicit EKedrinError(const std::string& message) : std::runtime_error(message) {}
  explicit EKedrinError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

namespace errors {

// Runs a command; an exception ends it and its text is shown in the standard error box.
// Returns false when the command failed.
bool RunCommand(QWidget* parent, const std::function<void()>& command);
// The standard error box (or, without a display for boxes, the installed reporter).
void ShowError(QWidget* parent, const QString& message);
// Tests and tools replace the box with their own reporter.
using Reporter = std::function<void(const QString&)>;
void SetReporter(Reporter reporter);

}  // namespace errors
