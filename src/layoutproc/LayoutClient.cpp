#include "LayoutClient.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <csignal>
#include <cstring>

#include "ChildProcess.h"
#include "LayoutExits.h"
#include "LayoutProtocol.h"

#ifndef KEDRIN_LAYOUT_FROM_BINDIR
#define KEDRIN_LAYOUT_FROM_BINDIR "../libexec/kedrin"
#endif
#ifndef KEDRIN_LAYOUT_INSTALLED
#define KEDRIN_LAYOUT_INSTALLED "/usr/libexec/kedrin/kedrin-layout"
#endif

namespace layoutproc {

const char* const kProgramName = "kedrin-layout";

namespace {

QString& Override() {
  static QString program;
  return program;
}

// 12,345.
std::string Grouped(long long n) {
  std::string digits = std::to_string(n < 0 ? -n : n), out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return n < 0 ? "-" + out : out;
}

std::string Counted(long long n, const char* one, const char* many) { return Grouped(n) + " " + (n == 1 ? one : many); }

graph::LayoutResult Stopped(graph::LayoutStop stop, std::string error) {
  graph::LayoutResult r;
  r.stop = stop;
  r.error = std::move(error);
  return r;
}

std::string ChartSize(const graph::Graph& g) {
  return Counted(static_cast<long long>(g.nodes.size()), "shape", "shapes") + " and " +
         Counted(static_cast<long long>(g.edges.size()), "connector", "connectors");
}

std::string Setting(const std::string& name) { return name.empty() ? std::string() : " (setting " + name + ")"; }

}  // namespace

std::string Refusal(const graph::Graph& g, const Limits& limits) {
  if (g.nodes.size() > static_cast<size_t>(limits.maxShapes))
    return "the chart is too large for automatic layout: " + Counted(static_cast<long long>(g.nodes.size()), "shape", "shapes") +
           ", above the limit of " + Grouped(limits.maxShapes) + Setting(limits.shapesSetting);
  if (g.edges.size() > static_cast<size_t>(limits.maxConnectors))
    return "the chart is too large for automatic layout: " +
           Counted(static_cast<long long>(g.edges.size()), "connector", "connectors") + ", above the limit of " +
           Grouped(limits.maxConnectors) + Setting(limits.connectorsSetting);
  return {};
}

QString FindProgram() {
  if (!Override().isEmpty()) return Override();
  QStringList places;
  if (QCoreApplication::instance()) {
    const QDir programDir(QCoreApplication::applicationDirPath());
    places << programDir.filePath(QString::fromLatin1(kProgramName))
           << programDir.filePath(QStringLiteral(KEDRIN_LAYOUT_FROM_BINDIR "/") + QString::fromLatin1(kProgramName));
  }
  places << QStringLiteral(KEDRIN_LAYOUT_INSTALLED);
  for (const QString& place : places) {
    const QFileInfo file(place);
    if (file.isFile() && file.isExecutable()) return file.absoluteFilePath();
  }
  return {};
}

void SetProgram(const QString& path) { Override() = path; }

ChildLayout::ChildLayout(Limits limits, const std::atomic<bool>* cancelled)
    : limits_(std::move(limits)), cancelled_(cancelled) {}

namespace {
ProcessLimits ProcessLimitsOf(const Limits& l) { return {l.seconds, l.memoryMegabytes, l.stackMegabytes}; }
}  // namespace

void ChildLayout::PrepareSpare(const Limits& limits) {
  const QString program = FindProgram();
  if (!program.isEmpty()) ChildProcess::KeepSpare(QFile::encodeName(program).toStdString(), ProcessLimitsOf(limits));
}

graph::LayoutEngine ChildLayout::Engine() {
  return [this](const graph::Graph& g, graph::Direction d, const graph::LayoutOptions& o) { return Run(g, d, o); };
}

graph::LayoutResult ChildLayout::Run(const graph::Graph& g, graph::Direction direction, const graph::LayoutOptions& options) {
  graph::LayoutResult result = RunChild(g, direction, options);
  lastStop_ = result.stop;
  return result;
}

graph::LayoutResult ChildLayout::RunChild(const graph::Graph& g, graph::Direction direction,
                                          const graph::LayoutOptions& options) {
  // What is wrong with the graph itself is said as the layout says it, naming the node.
  graph::LayoutResult invalid;
  invalid.error = graph::InvalidForLayout(g, options);
  if (!invalid.ok()) return invalid;
  if (std::string refused = Refusal(g, limits_); !refused.empty()) return Stopped(graph::LayoutStop::Refused, std::move(refused));
  if (cancelled_ && cancelled_->load()) return Stopped(graph::LayoutStop::Cancelled, "the layout was cancelled");

  const QString program = FindProgram();
  if (program.isEmpty())
    return Stopped(graph::LayoutStop::Unavailable, std::string("the layout program ") + kProgramName +
                                                       " was found neither beside this program nor at " +
                                                       KEDRIN_LAYOUT_INSTALLED);
  const ProcessLimits limits = ProcessLimitsOf(limits_);
  std::string startError;
  const std::string path = QFile::encodeName(program).toStdString();
  ChildProcess child = ChildProcess::Take(path, limits, &startError);
  if (!child.started())
    return Stopped(graph::LayoutStop::Unavailable,
                   "the layout program " + QDir::toNativeSeparators(program).toStdString() + " cannot be run: " + startError);
  const std::string request = EncodeRequest({LayoutPart(g), direction, options});
  const ChildProcess::Result ran =
      child.Talk(request, std::chrono::steady_clock::now() + std::chrono::seconds(limits_.seconds), cancelled_);

  const std::string tooLong = "the layout stopped: the chart took longer than the " +
                              Counted(limits_.seconds, "second", "seconds") + " the layout may take";
  if (ran.ending == ChildProcess::Ending::Cancelled) return Stopped(graph::LayoutStop::Cancelled, "the layout was cancelled");
  if (ran.ending == ChildProcess::Ending::TimedOut) return Stopped(graph::LayoutStop::TooLong, tooLong);
  if (ran.signal == SIGXCPU) return Stopped(graph::LayoutStop::TooLong, tooLong);
  if (ran.signal != 0) {
    const char* name = ran.signal < NSIG ? sigdescr_np(ran.signal) : nullptr;
    return Stopped(graph::LayoutStop::Crashed, "the layout stopped: the layout program crashed" +
                                                   (name ? " (" + std::string(name) + ")" : std::string()) + " on a chart of " +
                                                   ChartSize(g));
  }
  switch (ran.status) {
    case 0:
    case kExitRequest: break;
    case kExitMemory:
      return Stopped(graph::LayoutStop::OutOfMemory, "the layout stopped: the chart is too large for the " +
                                                         Grouped(limits_.memoryMegabytes) + " MB of memory the layout may use");
    case kExitStack:
      return Stopped(graph::LayoutStop::TooDeep, "the layout stopped: the chart is too deep for the " +
                                                     Grouped(limits_.stackMegabytes) + " MB of stack the layout may use");
    case kExitTime: return Stopped(graph::LayoutStop::TooLong, tooLong);
    case 127:
      return Stopped(graph::LayoutStop::Unavailable,
                     "the layout program " + QDir::toNativeSeparators(program).toStdString() + " cannot be run");
    default:
      return Stopped(graph::LayoutStop::Crashed, "the layout stopped: the layout program ended with status " +
                                                     std::to_string(ran.status) + " on a chart of " + ChartSize(g));
  }
  const std::string& answer = ran.output;
  std::string why;
  std::optional<graph::LayoutResult> decoded = DecodeAnswer(answer, &why);
  if (!decoded) return Stopped(graph::LayoutStop::Unavailable, "the layout stopped: the layout program's answer cannot be read: " + why);
  // Graphviz's own results are the graph's, not the layout program's: each box and route is there.
  if (decoded->ok() && (decoded->nodes.size() != g.nodes.size() || decoded->edges.size() != g.edges.size() ||
                        decoded->clusters.size() != g.clusters.size()))
    return Stopped(graph::LayoutStop::Unavailable, "the layout stopped: the layout program's answer does not match the chart");
  return std::move(*decoded);
}

}  // namespace layoutproc
