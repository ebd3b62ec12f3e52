#include <QGuiApplication>
#include <csignal>
#include <string>

#include "Errors.h"
#include "KdlTool.h"
#include "ToolProcess.h"

namespace {
QtMessageHandler g_qtHandler = nullptr;
// Qt's note about a missing runtime folder is noise for a command-line tool without a display.
// Other notes may quote a file (a font's or an image's name): escaped line by line, as every
// message of the tool is.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
  QStringList lines = message.split(QLatin1Char('\n'));
  for (QString& line : lines) line = errors::Printable(line);
  g_qtHandler(type, context, lines.join(QLatin1Char('\n')));
}
}  // namespace

int main(int argc, char** argv) {
  // A closed pipe on the standard output is a failed write (status 1), not death by SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  toolprocess::GrowHeapInLargeSteps();
  g_qtHandler = qInstallMessageHandler(QuietHandler);
  // Fonts and pictures need a GUI application; no widget is made, so no display is needed.
  toolprocess::UseHeadlessDefaults();
  QGuiApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  std::string out, err;
  const int status = RunKdlTool(arguments, out, err, KdlToolEnd::ProcessExitsNext);
  // Every file is written and committed by now; what is left is only memory.
  toolprocess::Finish(out, err, status);
}
