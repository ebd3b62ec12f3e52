#include "KdlTool.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <vector>

#include "ChartCommands.h"
#include "CustomKDTool.h"
#include "DeviceStream.h"
#include "DiagramDiff.h"
#include "DiagramExport.h"
#include "DiagramFile.h"
#include "DiffPicture.h"
#include "DrawioFile.h"
#include "FigureFile.h"
#include "FigureGraph.h"
#include "FigureValues.h"
#include "Mermaid.h"
#include "Errors.h"
#include "ExportFormat.h"
#include "FileNames.h"
#include "RecordDump.h"
#include "RegularFile.h"
#include "StreamError.h"
#include "WholeFile.h"

namespace {

// The usage lines, shared by --help and by the note on wrong usage.
const char* const kSynopsis =
    "kdltool check FILE\n"
    "  or:  kdltool dump FILE\n"
    "  or:  kdltool rewrite IN OUT\n"
    "  or:  kdltool export [--crop] [--width W] [--height H] [--scale S] [--margin M]\n"
    "                      [--smooth] IN OUT\n"
    "  or:  kdltool import [--straight] CHART OUT\n"
    "  or:  kdltool text FILE\n"
    "  or:  kdltool diff OLD NEW [PICTURE]\n"
    "  or:  kdltool render [--width W] [--height H] [--scale S] [--margin M] [--smooth]\n"
    "                      [--straight] CHART OUT\n"
    "  or:  kdltool help | --help | --version\n";

// The manual page kdltool(1) is generated from this text by help2man: "Usage:", "Options:" and
// "Examples:" become its sections, so keep those headings and the two-space columns.
const char* const kDescription =
    "Check, dump, rewrite and export flowchart diagrams (.kdl) without a display, through the\n"
    "editor's own reader, writer, figures and picture code; turn Mermaid and Graphviz DOT\n"
    "flowcharts and draw.io files into diagrams and pictures, and diagrams into them; compare two\n"
    "versions of a diagram.\n"
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
    "                  side, times the scale (with --crop, the figures' bounding box and\n"
    "                  the margin); or write the flowchart IN draws (its shapes with their\n"
    "                  texts, the connectors between them) as the Mermaid (.mmd) or\n"
    "                  Graphviz DOT (.gv) text OUT, or as the draw.io file OUT (.drawio)\n"
    "  import CHART OUT\n"
    "                  read the Mermaid (.mmd) or Graphviz DOT (.gv) flowchart CHART, lay\n"
    "                  it out as the editor's Auto Layout does and save it as the diagram\n"
    "                  OUT (.kdl); what the diagram cannot hold is left out with a warning\n"
    "                  naming its line; or read the first page of the draw.io file CHART\n"
    "                  (.drawio, or any name when it starts as one: <mxfile> or\n"
    "                  <mxGraphModel>) as it is drawn and save it as the diagram OUT\n"
    "  render CHART OUT\n"
    "                  import CHART (a flowchart's text or a draw.io file) and export it\n"
    "                  into the picture OUT in one command, cropped to the chart's\n"
    "                  bounding box and the margin\n"
    "  text FILE       print the flowchart the diagram FILE draws as Mermaid text (for\n"
    "                  git's textconv)\n"
    "  diff OLD NEW [PICTURE]\n"
    "                  print one line per change from the diagram OLD to NEW: steps (shapes\n"
    "                  with their texts, loose texts) and connectors added, removed, moved,\n"
    "                  retexted or restyled; with PICTURE (.svg, .png, ...), also draw NEW\n"
    "                  with the changes marked: added green, removed as red ghosts, moved\n"
    "                  with a faint trace from the old place, changed outlined in orange.\n"
    "                  Exits with 0 when they are the same, 1 when they differ, 2 on error\n"
    "  help            print this help and exit\n"
    "\n"
    "A picture that would be wider or higher than 65500 pixels, or hold more than\n"
    "134217728 pixels, is scaled down as a whole until it fits, with a warning on the\n"
    "standard error.\n"
    "\n"
    "Options:\n"
    "      --crop      export: the figures' bounding box instead of the canvas from its\n"
    "                  corner (render always crops)\n"
    "      --width W   export, render: the picture's width in pixels (points for .pdf), at\n"
    "                  least 1, instead of the area's width times the scale\n"
    "      --height H  export, render: the picture's height in pixels (points for .pdf),\n"
    "                  at least 1, instead of the area's height times the scale\n"
    "      --scale S   export, render: picture pixels per canvas pixel, above 0 and at most\n"
    "                  64; 1 (the default) gives exactly the editor's picture\n"
    "      --margin M  export, render: canvas pixels of white (or the background) around\n"
    "                  the diagram on every side; 0 or more, by default 0, and 10 for a\n"
    "                  cropped picture\n"
    "      --smooth    export, render: draw .png, .svg and .pdf pictures antialiased;\n"
    "                  without it (and always for .bmp and .jpg) every pixel is exactly\n"
    "                  the editor's\n"
    "      --straight  import, render: straight connectors instead of elbow routes\n"
    "  -h, --help      print this help and exit\n"
    "      --version   print the version and exit\n"
    "\n"
    "Options may stand anywhere among the file names, and a value may follow its option\n"
    "after \"=\" (--scale=2); \"--\" ends the options, so that a file name after it may start\n"
    "with \"-\".\n"
    "\n"
    "Exit status:\n"
    "  0  done\n"
    "  1  the diagram could not be read or the output not written (the message says why;\n"
    "     an earlier file of the output's name is then left as it was), a flowchart's text\n"
    "     has an error (the message names its line and column) or cannot be laid out, or\n"
    "     the standard output could not be written (a full disk, a closed pipe)\n"
    "  2  wrong usage: an unknown command or option, a missing argument or value, or a\n"
    "     value that is not a number\n"
    "  diff exits as diff(1) does: 0 when the diagrams are the same, 1 when they differ,\n"
    "  2 when one cannot be read, the picture not written, or on wrong usage\n"
    "\n"
    "Messages and dump output show the control characters of names and texts from a file\n"
    "as #n, their code in decimal (#27 for ESC), so that they never reach the terminal.\n"
    "\n"
    "Environment:\n"
    "  QT_QPA_PLATFORM  the Qt platform to draw on; unset, kdltool draws offscreen and\n"
    "                   needs no display\n"
    "\n"
    "Examples:\n"
    "  $ kdltool check order-flow.kdl\n"
    "  $ kdltool dump order-flow.kdl | grep Caption\n"
    "  $ kdltool export --scale 2 order-flow.kdl order-flow.png\n"
    "  $ kdltool render --smooth chart.mmd chart.svg\n"
    "  $ kdltool diff old.kdl new.kdl changes.png\n"
    "\n"
    "The first prints the number of figures of the diagram, the second the captions of its\n"
    "figures, the third writes a picture of it at twice its size, the fourth draws the\n"
    "Mermaid flowchart chart.mmd as a smooth SVG picture, the fifth lists what changed from\n"
    "old.kdl to new.kdl and draws new.kdl with the changes marked.\n"
    "\n"
    "In git, `*.kdl diff=kedrin` in .gitattributes and `git config diff.kedrin.textconv\n"
    "\"kdltool text\"` make git diff show diagrams as Mermaid text.\n";

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
  bool sized = false;    // a picture's size, scale or margin was given
  bool margined = false;  // the margin was given
  bool straight = false;
};

enum OptionSet : unsigned { kPictureOptions = 1, kChartOptions = 2 };

// The command line, GNU style: options anywhere among the file names, "--" ending them, values
// after the option or joined to it by "=".
struct CommandLine {
  QString command;
  QStringList files;
  QCommandLineParser parser;
};

const QCommandLineOption kWidth(QStringLiteral("width"), QString(), QStringLiteral("W"));
const QCommandLineOption kHeight(QStringLiteral("height"), QString(), QStringLiteral("H"));
const QCommandLineOption kScale(QStringLiteral("scale"), QString(), QStringLiteral("S"));
const QCommandLineOption kMargin(QStringLiteral("margin"), QString(), QStringLiteral("M"));
const QCommandLineOption kSmooth(QStringLiteral("smooth"), QString());
const QCommandLineOption kCrop(QStringLiteral("crop"), QString());
const QCommandLineOption kStraight(QStringLiteral("straight"), QString());
const QCommandLineOption kHelp(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QString());
const QCommandLineOption kVersionOption(QStringLiteral("version"), QString());

void Parse(const QStringList& arguments, CommandLine& line) {
  QCommandLineParser& p = line.parser;
  p.addOptions({kWidth, kHeight, kScale, kMargin, kSmooth, kCrop, kStraight, kHelp, kVersionOption});
  if (!p.parse(QStringList{QStringLiteral("kdltool")} + arguments)) {
    const QStringList unknown = p.unknownOptionNames();
    if (!unknown.isEmpty()) {
      const QString& u = unknown.front();
      throw UsageError("unknown option " + Std((u.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + u));
    }
    // "Missing value after '--width'." and the like, in the form of the other messages.
    QString text = p.errorText();
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    throw UsageError(Std(text.left(1).toLower() + text.mid(1)));
  }
  line.files = p.positionalArguments();
  if (!line.files.isEmpty()) line.command = line.files.takeFirst();
}

// Refuses an option the command has no use for.
void Allow(const QCommandLineParser& p, const QString& command, unsigned allowed, bool crop = false) {
  const auto refuse = [&](const QCommandLineOption& o) {
    if (p.isSet(o)) throw UsageError("--" + Std(o.names().back()) + " is no option of " + Std(command));
  };
  if (!(allowed & kPictureOptions))
    for (const QCommandLineOption& o : {kWidth, kHeight, kScale, kMargin, kSmooth}) refuse(o);
  if (!(allowed & kChartOptions)) refuse(kStraight);
  if (!crop) refuse(kCrop);
}

// `crops`: the command draws the figures' bounding box whether or not --crop is given.
CommandOptions ReadOptions(const QCommandLineParser& p, bool crops) {
  CommandOptions o;
  o.picture.smooth = p.isSet(kSmooth);
  o.picture.crop = crops || p.isSet(kCrop);
  o.straight = p.isSet(kStraight);
  for (const QCommandLineOption* option : {&kWidth, &kHeight, &kScale, &kMargin}) {
    if (!p.isSet(*option)) continue;
    const QString value = p.value(*option);
    bool ok = false;
    if (option == &kWidth) o.picture.width = value.toInt(&ok);
    else if (option == &kHeight) o.picture.height = value.toInt(&ok);
    else if (option == &kScale) o.picture.scale = value.toDouble(&ok);
    else o.picture.margin = value.toInt(&ok);
    if (!ok) throw UsageError("not a number: " + Std(value));
    o.sized = true;
    o.margined |= option == &kMargin;
    // 0 stands for "as the diagram is" inside; given on the command line it is no size.
    if ((option == &kWidth && o.picture.width <= 0) || (option == &kHeight && o.picture.height <= 0))
      throw EKedrinError(QStringLiteral("The width and height must be positive"));
  }
  // A cropped picture has the Export dialog's margin unless one is given.
  if (o.picture.crop && !o.margined) o.picture.margin = diagramexport::kCropMargin;
  return o;
}

bool IsChartText(const QString& fileName) {
  const std::optional<exporting::Format> format = exporting::FormatOfName(fileName);
  return format && exporting::IsText(*format);
}

// Every line that may hold text from a file (its name, a chart's text) is escaped.
void Warn(const QString& warning, std::string& err) { err += "warning: " + errors::Printable(Std(warning)) + "\n"; }

void PrintWarnings(const QStringList& warnings, std::string& err) {
  for (const QString& w : warnings) Warn(w, err);
}

void ExportPicture(std::span<const TCustomKDTool* const> figures, const QString& outFile,
                   const diagramexport::Options& options, std::string& err) {
  const diagramexport::Written w = diagramexport::Export(figures, outFile, options);
  if (w.factor < 1.0)
    Warn(QStringLiteral("%1: a picture of %2 x %3 pixels is too large; scaled down by %4 to %5 x %6 pixels")
             .arg(outFile)
             .arg(w.asked.width(), 0, 'f', 0)
             .arg(w.asked.height(), 0, 'f', 0)
             .arg(QString::number(w.factor, 'g', 3))
             .arg(w.size.width())
             .arg(w.size.height()),
         err);
}

int Export(const QString& in, const QString& outFile, const CommandOptions& options, std::string& err,
           KdlToolEnd end) {
  if (IsChartText(outFile) && (options.sized || options.picture.crop))
    throw UsageError("--width, --height, --scale, --margin and --crop are for pictures, not for " + Std(outFile));
  RefuseToOverwriteInput(in, outFile);
  Diagram diagram(in, end);
  ExportPicture(diagram.Figures(), outFile, options.picture, err);
  return 0;
}

flowchart::ConnectorForm FormOf(const CommandOptions& o) {
  return o.straight ? flowchart::ConnectorForm::Straight : flowchart::ConnectorForm::Elbow;
}

// Figure values as a diagram file, whole or not at all.
void WriteValues(const QString& outFile, std::span<const figures::Figure> figures) {
  const std::vector<uint8_t> bytes = figures::WriteFigures(figures);
  wholefile::Write(outFile, [&](QIODevice& file) {
    return file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
           static_cast<qint64>(bytes.size());
  });
}

int Import(const QString& in, const QString& outFile, const CommandOptions& options, std::string& err,
           KdlToolEnd end) {
  if (filenames::Extension(outFile) != filenames::kDiagramExt)
    throw UsageError("import writes diagrams: OUT must end in .kdl (use render for pictures)");
  RefuseToOverwriteInput(in, outFile);
  if (drawiofiles::IsDrawioFile(in)) {
    // Drawn as the file draws it: no layout, so no connector form either.
    const drawiofiles::ReadDiagram read = drawiofiles::ReadDrawioFile(in);
    for (const QString& w : read.warnings) Warn(QDir::toNativeSeparators(in) + QStringLiteral(": ") + w, err);
    WriteValues(outFile, read.figures);
    return 0;
  }
  chartcommands::DrawnFile drawn = chartcommands::DrawFile(in, FormOf(options));
  PrintWarnings(drawn.warnings, err);
  Diagram diagram(std::move(drawn.figures), end);
  diagramfile::Write(outFile, diagram.Records());
  return 0;
}

int Render(const QString& in, const QString& outFile, const CommandOptions& options, std::string& err, KdlToolEnd end) {
  const std::optional<exporting::Format> format = exporting::FormatOfName(outFile);
  if (!format || exporting::IsText(*format))
    throw UsageError("render draws pictures: OUT must end in .bmp, .jpg, .png, .svg or .pdf");
  RefuseToOverwriteInput(in, outFile);
  if (drawiofiles::IsDrawioFile(in)) {
    const drawiofiles::ReadDiagram read = drawiofiles::ReadDrawioFile(in);
    for (const QString& w : read.warnings) Warn(QDir::toNativeSeparators(in) + QStringLiteral(": ") + w, err);
    Diagram diagram(drawiofiles::ObjectsOf(read.figures), end);
    ExportPicture(diagram.Figures(), outFile, options.picture, err);
    return 0;
  }
  chartcommands::DrawnFile drawn = chartcommands::DrawFile(in, FormOf(options));
  PrintWarnings(drawn.warnings, err);
  Diagram diagram(std::move(drawn.figures), end);
  ExportPicture(diagram.Figures(), outFile, options.picture, err);
  return 0;
}

// The flowchart the diagram draws as Mermaid, as Export writes a .mmd file.
int Text(const QString& file, std::string& out, KdlToolEnd end) {
  Diagram diagram(file, end);
  const std::vector<const TCustomKDTool*> figures = diagram.Figures();
  out += graph::WriteMermaid(flowchart::GraphOfFigures(figures));
  return 0;
}

// diff(1)'s statuses: the same, different, trouble.
constexpr int kSame = 0, kDiffer = 1, kTrouble = 2;

int Diff(const QStringList& files, std::string& out, std::string& err, KdlToolEnd end) {
  try {
    if (files.size() == 3) {
      const std::optional<exporting::Format> format = exporting::FormatOfName(files[2]);
      if (!format || exporting::IsText(*format))
        throw UsageError("diff draws pictures: PICTURE must end in .bmp, .jpg, .png, .svg or .pdf");
      RefuseToOverwriteInput(files[0], files[2]);
      RefuseToOverwriteInput(files[1], files[2]);
    }
    const std::vector<figures::Figure> before = drawiofiles::ReadDiagramValues(files[0]);
    const std::vector<figures::Figure> after = drawiofiles::ReadDiagramValues(files[1]);
    const diagramdiff::Comparison comparison = diagramdiff::Compare(before, after);
    for (const diagramdiff::Difference& d : comparison.differences) out += errors::Printable(d.line) + "\n";
    if (files.size() == 3) {
      const std::vector<figures::Figure> marked = diagramdiff::MarkedFigures(before, after, comparison);
      Diagram picture(drawiofiles::ObjectsOf(marked), end);
      diagramexport::Options options;
      options.crop = true;
      options.margin = diagramexport::kCropMargin;
      ExportPicture(picture.Figures(), files[2], options, err);
    }
    return comparison.Same() ? kSame : kDiffer;
  } catch (const UsageError&) {
    throw;
  } catch (const std::bad_alloc&) {
    err += "Out of memory\n";
  } catch (const std::exception& e) {
    err += errors::Printable(e.what()) + "\n";
  }
  return kTrouble;
}

// How many file names each command takes, and the options it has a use for.
struct CommandShape {
  const char* name;
  int files;
  unsigned options;
  bool crop;
  int moreFiles = 0;  // optional file names after the required ones
};
constexpr CommandShape kCommands[] = {
    {"check", 1, 0, false},
    {"dump", 1, 0, false},
    {"rewrite", 2, 0, false},
    {"export", 2, kPictureOptions, true},
    {"import", 2, kChartOptions, false},
    {"render", 2, kPictureOptions | kChartOptions, true},
    {"text", 1, 0, false},
    {"diff", 2, 0, false, 1},
};

int Run(const QStringList& arguments, std::string& out, std::string& err, KdlToolEnd end) {
  CommandLine line;
  Parse(arguments, line);
  const QCommandLineParser& p = line.parser;
  if (p.isSet(kHelp) || line.command == QLatin1String("help")) {
    out += std::string("Usage: ") + kSynopsis + kDescription;
    return 0;
  }
  if (p.isSet(kVersionOption)) {
    out += kVersion;
    return 0;
  }
  if (line.command.isEmpty()) throw UsageError("");
  const CommandShape* shape = nullptr;
  for (const CommandShape& c : kCommands)
    if (line.command == QLatin1String(c.name)) shape = &c;
  if (!shape) throw UsageError("unknown command " + Std(line.command));
  if (line.files.size() < shape->files || line.files.size() > shape->files + shape->moreFiles)
    throw UsageError(Std(line.command) + " takes " + (shape->files == 1 ? "one file name" : "two file names") +
                     (shape->moreFiles ? " or three" : "") + ", not " + std::to_string(line.files.size()));
  Allow(p, line.command, shape->options, shape->crop);
  // render always crops: a chart drawn from text has no canvas of its own.
  const CommandOptions options = ReadOptions(p, line.command == QLatin1String("render"));
  const QStringList& f = line.files;
  if (line.command == QLatin1String("check")) return Check(f[0], out);
  if (line.command == QLatin1String("dump")) return Dump(f[0], out);
  if (line.command == QLatin1String("rewrite")) return Rewrite(f[0], f[1], end);
  if (line.command == QLatin1String("export")) return Export(f[0], f[1], options, err, end);
  if (line.command == QLatin1String("import")) return Import(f[0], f[1], options, err, end);
  if (line.command == QLatin1String("text")) return Text(f[0], out, end);
  if (line.command == QLatin1String("diff")) return Diff(f, out, err, end);
  return Render(f[0], f[1], options, err, end);
}

}  // namespace

int RunKdlTool(const QStringList& arguments, std::string& out, std::string& err, KdlToolEnd end) {
  try {
    return Run(arguments, out, err, end);
  } catch (const UsageError& e) {
    if (*e.what()) err += "kdltool: " + errors::Printable(e.what()) + "\n";
    err += std::string("usage: ") + kSynopsis + "Try 'kdltool --help' for more information.\n";
    return 2;
  } catch (const std::bad_alloc&) {
    err += "Out of memory\n";
  } catch (const std::exception& e) {
    // The text the editor's error box would show, escaped as the box escapes it.
    err += errors::Printable(e.what()) + "\n";
  }
  return 1;
}
