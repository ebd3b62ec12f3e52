#include "Errors.h"

#include <QMessageBox>
#include <QWidget>

namespace errors {

namespace {
Reporter& TheReporter() {
  static Reporter reporter;
  return reporter;
}
}  // namespace

void SetReporter(Reporter reporter) { TheReporter() = std::move(reporter); }

void ShowError(QWidget* parent, const QString& message) {
  if (TheReporter()) {
    TheReporter()(message);
    return;
  }
  QMessageBox::critical(parent, QStringLiteral("Error"), message);
}

bool RunCommand(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const std::bad_alloc&) {
    ShowError(parent, QStringLiteral("Out of memory"));
  } catch (const std::exception& e) {
    ShowError(parent, QString::fromUtf8(e.what()));
  }
  return false;
}

}  // namespace errors
