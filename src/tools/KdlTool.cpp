#include "KdlTool.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <vector>

#include "ChartCommands.h"
#include "CustomKDTool.h"
#include "DeviceStream.h"
#include "DiagramExport.h"
#include "DiagramFile.h"
#include "Errors.h"
#include "ExportFormat.h"
#include "FileNames.h"
#include "RecordDump.h"
#include "RegularFile.h"
#include "StreamError.h"

namespace {

// The usage lines, shared by --help and by the note on wrong usage.
const char* const kSynopsis =
    "kdltool check FILE\n"
    "  or:  kdltool dump FILE\n"
    "  or:  kdltool rewrite IN OUT\n"
    "  or:  kdltool export IN OUT [--width W] [--height H] [--scale S] [--margin M] [--smooth]\n"
    "  or:  kdltool import CHART OUT [--straight]\n"
    "  or:  kdltool render CHART OUT [--width W] [--height H] [--scale S] [--margin M]\n"
    "                      [--smooth] [--straight]\n"
    "  or:  kdltool help | --help | --version\n";

// The manual page kdltool(1) is generated from this text by help2man: "Usage:", "Options:" and
// "Examples:" become its sections, so keep those headings and the two-space columns.
const char* const kDescription =
    "Check, dump, rewrite and export flowchart diagrams (.kdl) without a display, through the\n"
    "editor's own reader, writer, figures and picture code; turn Mermaid and Graphviz DOT\n"
    "flowcharts into diagrams and pictures, and diagrams into them.\n"
    "\n"
    "Commands:\n"
    "  check FILE      read every record as the editor does; print \"N figures\", or the\n"
    "                  editor's error message and exit with status 1\n"
    "  dump FILE       print one line per property entry of every record\n"
    "  rewrite IN OUT  open the diagram IN and save it as the diagram OUT (.kdl) as the\n"
    "                  editor does; OUT must not be IN\n"
    "  export IN OUT   draw IN as the editor exports it into the picture OUT, whose name\n"
    "                  ends in .bmp, .jpg, .png, .svg or .pdf; the picture is 684 x 449\n"
    "                  pixels, or as large as the figures reach, and the margin on every\n"
    "                  side, times the scale; or write the flowchart IN draws (its shapes\n"
    "                  with their texts, the connectors between them) as the Mermaid\n"
    "                  (.mmd) or Graphviz DOT (.gv) text OUT\n"
    "  import CHART OUT\n"
    "                  read the Mermaid (.mmd) or Graphviz DOT (.gv) flowchart CHART, lay\n"
    "                  it out as the editor's Auto Layout does and save it as the diagram\n"
    "                  OUT (.kdl); what the diagram cannot hold is left out with a warning\n"
    "                  naming its line\n"
    "  render CHART OUT\n"
    "                  import CHART and export it into the picture OUT in one command\n"
    "  help            print this help and exit\n"
    "\n"
    "Options:\n"
    "      --width W   export: the picture's width in pixels (points for .pdf), at least\n"
    "                  1, instead of the diagram's width times the scale\n"
    "      --height H  export: the picture's height in pixels (points for .pdf), at least\n"
    "                  1, instead of the diagram's height times the scale\n"
    "      --scale S   export: picture pixels per canvas pixel, above 0 and at most 64;\n"
    "                  1 (the default) gives exactly the editor's picture\n"
    "      --margin M  export: canvas pixels of white (or the background) around the\n"
    "                  diagram on every side; 0 (the default) or more\n"
    "      --smooth    export, render: draw .png, .svg and .pdf pictures antialiased;\n"
    "                  without it (and always for .bmp and .jpg) every pixel is exactly\n"
    "                  the editor's\n"
    "      --straight  import, render: straight connectors instead of elbow routes\n"
    "  -h, --help      print this help and exit\n"
    "      --version   print the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  done\n"
    "  1  the diagram could not be read or the output not written (the message says why;\n"
    "     an earlier file of the output's name is then left as it was), a flowchart's text\n"
    "     has an error (the message names its line and column) or cannot be laid out, or\n"
    "     the standard output could not be written (a full disk, a closed pipe)\n"
    "  2  wrong usage: an unknown command or option, a missing argument or value, or a\n"
    "     value that is not a number\n"
    "\n"
    "Environment:\n"
    "  QT_QPA_PLATFORM  the Qt platform to draw on; unset, kdltool draws offscreen and\n"
    "                   needs no display\n"
    "\n"
    "Examples:\n"
    "  $ kdltool check order-flow.kdl\n"
    "  $ kdltool dump order-flow.kdl | grep Caption\n"
    "  $ kdltool export order-flow.kdl order-flow.png --scale 2\n"
    "  $ kdltool render chart.mmd chart.svg --smooth\n"
    "\n"
    "The first prints the number of figures of the diagram, the second the captions of its\n"
    "figures, the third writes a picture of it at twice its size, the fourth draws the\n"
    "Mermaid flowchart chart.mmd as a smooth SVG picture.\n";

// KEDRIN_VERSION is the project's version, given to this file by cmake/Packaging.cmake.
#ifndef KEDRIN_VERSION
#error "KEDRIN_VERSION must be defined by the build"
#endif
const char* const kVersion =
    "kdltool (Kedrin Tools Demo) " KEDRIN_VERSION "\n"
    "Copyright (c) 2026 Kedrin Tools Studio\n"
    "This is free software under the MIT licence; there is NO WARRANTY, to the extent\n"
    "permitted by law.\n";

class UsageError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Std(const QString& s) { return s.toStdString(); }

// The figures of a file as the reader makes them. Nothing is shown, so they never join a canvas:
// that would only give each one what a figure on screen needs (its window, cursor and clickable
// outline), which neither its picture nor its record uses.
class Diagram {
 public:
  Diagram(const QString& fileName, KdlToolEnd end) : end_(end) {
    diagramfile::Read(fileName, [this](std::unique_ptr<TCustomKDTool> figure) {
      figures_.push_back(std::move(figure));
    });
  }
  ~Diagram() {
    if (end_ == KdlToolEnd::ProcessExitsNext) {
      for (auto& f : figures_) static_cast<void>(f.release());
      return;
    }
    // Events still queued for thousands of figures make destroying them one by one quadratic.
    QCoreApplication::removePostedEvents(nullptr);
  }
  Diagram(std::vector<std::unique_ptr<TCustomKDTool>> figures, KdlToolEnd end)
      : end_(end), figures_(std::move(figures)) {}
  Diagram(const Diagram&) = delete;
  Diagram& operator=(const Diagram&) = delete;
  std::vector<const TCustomKDTool*> Figures() const {
    std::vector<const TCustomKDTool*> raw;
    raw.reserve(figures_.size());
    for (const auto& f : figures_) raw.push_back(f.get());
    return raw;
  }
  std::vector<const Persistent*> Records() const {
    std::vector<const Persistent*> raw;
    raw.reserve(figures_.size());
    for (const auto& f : figures_) raw.push_back(f.get());
    return raw;
  }

 private:
  KdlToolEnd end_;
  std::vector<std::unique_ptr<TCustomKDTool>> figures_;
};

void RefuseToOverwriteInput(const QString& in, const QString& out) {
  const QFileInfo o(out);
  if (o.exists() && o.canonicalFilePath() == QFileInfo(in).canonicalFilePath())
    throw EKedrinError(QStringLiteral("%1 is the input file; kdltool does not overwrite it").arg(out));
}

int Check(const QString& file, std::string& out) {
  const int n = diagramfile::Read(file, [](std::unique_ptr<TCustomKDTool>) {});
  out += std::to_string(n) + " figures\n";
  return 0;
}

int Dump(const QString& file, std::string& out) {
  QFile f;
  regularfile::Open(f, file);
  DeviceStream stream(f);
  try {
    DumpRecords(stream, [&](const std::string& line) { out += line + '\n'; });
  } catch (const EStreamError& e) {
    throw EStreamError(Std(QStringLiteral("%1 at byte %2").arg(QString::fromUtf8(e.what())).arg(stream.Position())));
  }
  return 0;
}

int Rewrite(const QString& in, const QString& outFile, KdlToolEnd end) {
  if (filenames::Extension(outFile) != filenames::kDiagramExt)
    throw UsageError("rewrite writes diagrams: OUT must end in .kdl (use export for pictures)");
  RefuseToOverwriteInput(in, outFile);
  Diagram diagram(in, end);
  diagramfile::Write(outFile, diagram.Records());
  return 0;
}

// The options a command takes, each checked as it is read.
struct CommandOptions {
  diagramexport::Options picture;
  bool sized = false;  // a picture's size, scale or margin was given
  bool straight = false;
};

enum OptionSet : unsigned { kPictureOptions = 1, kChartOptions = 2 };

CommandOptions ParseOptions(const QStringList& rest, unsigned allowed) {
  CommandOptions o;
  for (qsizetype i = 0; i < rest.size(); ++i) {
    const QString& option = rest[i];
    if (option == QLatin1String("--smooth") && (allowed & kPictureOptions)) {
      o.picture.smooth = true;
      continue;
    }
    if (option == QLatin1String("--straight") && (allowed & kChartOptions)) {
      o.straight = true;
      continue;
    }
    const bool valued = option == QLatin1String("--width") || option == QLatin1String("--height") ||
                        option == QLatin1String("--scale") || option == QLatin1String("--margin");
    if (!valued || !(allowed & kPictureOptions)) throw UsageError("unknown option " + Std(option));
    if (i + 1 >= rest.size()) throw UsageError("missing value after " + Std(option));
    const QString& value = rest[++i];
    bool ok = false;
    if (option == QLatin1String("--width")) o.picture.width = value.toInt(&ok);
    else if (option == QLatin1String("--height")) o.picture.height = value.toInt(&ok);
    else if (option == QLatin1String("--scale")) o.picture.scale = value.toDouble(&ok);
    else o.picture.margin = value.toInt(&ok);
    if (!ok) throw UsageError("not a number: " + Std(value));
    o.sized = true;
    // 0 stands for "as the diagram is" inside; given on the command line it is no size.
    if ((option == QLatin1String("--width") && o.picture.width <= 0) ||
        (option == QLatin1String("--height") && o.picture.height <= 0))
      throw EKedrinError(QStringLiteral("The width and height must be positive"));
  }
  return o;
}

bool IsChartText(const QString& fileName) {
  const std::optional<exporting::Format> format = exporting::FormatOfName(fileName);
  return format && exporting::IsText(*format);
}

void PrintWarnings(const QStringList& warnings, std::string& err) {
  for (const QString& w : warnings) err += "warning: " + Std(w) + "\n";
}

int Export(const QString& in, const QString& outFile, const QStringList& rest, KdlToolEnd end) {
  const CommandOptions options = ParseOptions(rest, kPictureOptions);
  if (IsChartText(outFile) && options.sized)
    throw UsageError("--width, --height, --scale and --margin are for pictures, not for " + Std(outFile));
  RefuseToOverwriteInput(in, outFile);
  Diagram diagram(in, end);
  diagramexport::Export(diagram.Figures(), outFile, options.picture);
  return 0;
}

flowchart::ConnectorForm FormOf(const CommandOptions& o) {
  return o.straight ? flowchart::ConnectorForm::Straight : flowchart::ConnectorForm::Elbow;
}

int Import(const QString& in, const QString& outFile, const QStringList& rest, std::string& err, KdlToolEnd end) {
  const CommandOptions options = ParseOptions(rest, kChartOptions);
  if (filenames::Extension(outFile) != filenames::kDiagramExt)
    throw UsageError("import writes diagrams: OUT must end in .kdl (use render for pictures)");
  RefuseToOverwriteInput(in, outFile);
  chartcommands::DrawnFile drawn = chartcommands::DrawFile(in, FormOf(options));
  PrintWarnings(drawn.warnings, err);
  Diagram diagram(std::move(drawn.figures), end);
  diagramfile::Write(outFile, diagram.Records());
  return 0;
}

int Render(const QString& in, const QString& outFile, const QStringList& rest, std::string& err, KdlToolEnd end) {
  const CommandOptions options = ParseOptions(rest, kPictureOptions | kChartOptions);
  const std::optional<exporting::Format> format = exporting::FormatOfName(outFile);
  if (!format || exporting::IsText(*format))
    throw UsageError("render draws pictures: OUT must end in .bmp, .jpg, .png, .svg or .pdf");
  RefuseToOverwriteInput(in, outFile);
  chartcommands::DrawnFile drawn = chartcommands::DrawFile(in, FormOf(options));
  PrintWarnings(drawn.warnings, err);
  Diagram diagram(std::move(drawn.figures), end);
  diagramexport::Export(diagram.Figures(), outFile, options.picture);
  return 0;
}

int Run(const QStringList& a, std::string& out, std::string& err, KdlToolEnd end) {
  const QString command = a.value(0);
  if (command == QLatin1String("check") && a.size() == 2) return Check(a[1], out);
  if (command == QLatin1String("dump") && a.size() == 2) return Dump(a[1], out);
  if (command == QLatin1String("rewrite") && a.size() == 3) return Rewrite(a[1], a[2], end);
  if (command == QLatin1String("export") && a.size() >= 3) return Export(a[1], a[2], a.mid(3), end);
  if (command == QLatin1String("import") && a.size() >= 3) return Import(a[1], a[2], a.mid(3), err, end);
  if (command == QLatin1String("render") && a.size() >= 3) return Render(a[1], a[2], a.mid(3), err, end);
  if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
    out += std::string("Usage: ") + kSynopsis + kDescription;
    return 0;
  }
  if (command == QLatin1String("--version")) {
    out += kVersion;
    return 0;
  }
  throw UsageError("");
}

}  // namespace

int RunKdlTool(const QStringList& arguments, std::string& out, std::string& err, KdlToolEnd end) {
  try {
    return Run(arguments, out, err, end);
  } catch (const UsageError& e) {
    if (*e.what()) err += std::string("kdltool: ") + e.what() + "\n";
    err += std::string("usage: ") + kSynopsis + "Try 'kdltool --help' for more information.\n";
    return 2;
  } catch (const std::bad_alloc&) {
    err += "Out of memory\n";
  } catch (const std::exception& e) {
    // The text the editor's error box would show.
    err += std::string(e.what()) + "\n";
  }
  return 1;
}
