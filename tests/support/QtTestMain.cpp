#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  // Widget tests run headless unless a display is asked for.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Kedrin"));
  QCoreApplication::setApplicationName(QStringLiteral("kedrin-tests"));
  // Settings of this test program only, fresh each run: tests run side by side, and none may
  // see another's recent files or window places, nor the user's.
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  // Connectors and labels stay where they are when figures move, unless a test turns following on.
  QSettings().setValue(QStringLiteral("connectors/keepAttached"), false);
  // Figures are drawn exactly, without smoothing, unless a test turns smooth drawing on.
  QSettings().setValue(QStringLiteral("view/smoothDrawing"), false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
