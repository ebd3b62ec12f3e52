#include <QApplication>
#include <csignal>
#include <string>

#include "KdlTool.h"
#include "ToolProcess.h"

namespace {
QtMessageHandler g_qtHandler = nullptr;
// Qt's note about a missing runtime folder is noise for a command-line tool without a display.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
  g_qtHandler(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
  // A closed pipe on the standard output is a failed write (status 1), not death by SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  toolprocess::GrowHeapInLargeSteps();
  g_qtHandler = qInstallMessageHandler(QuietHandler);
  // Figures are widgets, but nothing is shown: no display is needed.
  toolprocess::UseHeadlessDefaults();
  QApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  std::string out, err;
  const int status = RunKdlTool(arguments, out, err, KdlToolEnd::ProcessExitsNext);
  // Every file is written and committed by now; what is left is only memory.
  toolprocess::Finish(out, err, status);
}
