#include "KdlTool.h"

#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <memory>
#include <vector>

#include "CustomKDTool.h"
#include "DeviceStream.h"
#include "DiagramExport.h"
#include "DiagramFile.h"
#include "Errors.h"
#include "FileNames.h"
#include "RecordDump.h"
#include "StreamError.h"

namespace {

const char* const kUsage =
    "usage: kdltool check FILE\n"
    "       kdltool dump FILE\n"
    "       kdltool rewrite IN OUT\n"
    "       kdltool export IN OUT [--width W] [--height H] [--scale S]\n"
    "\n"
    "check    reads every record as the editor does; prints the number of figures, or the\n"
    "         editor's error message and exits with 1\n"
    "dump     prints one line per property entry of every record\n"
    "rewrite  opens IN and saves it as the diagram OUT (.kdl) as the editor does\n"
    "export   draws IN as the editor exports it; OUT ends in .bmp, .jpg, .png, .svg or .pdf.\n"
    "         The picture is 684 x 449 or as large as the figures reach, times the scale.\n";

class UsageError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Std(const QString& s) { return s.toStdString(); }

// The figures of a file, adopted by a hidden canvas as an opened document adopts them.
class Diagram {
 public:
  explicit Diagram(const QString& fileName) {
    diagramfile::Read(fileName, [this](std::unique_ptr<TCustomKDTool> figure) {
      figure->SetParentControl(&canvas_);
      figures_.push_back(figure.release());
    });
  }
  std::vector<const TCustomKDTool*> Figures() const { return {figures_.begin(), figures_.end()}; }
  std::vector<const Persistent*> Records() const { return {figures_.begin(), figures_.end()}; }

 private:
  QWidget canvas_;  // owns the figures
  std::vector<TCustomKDTool*> figures_;
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
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) throw EKedrinError(QStringLiteral("Cannot open file %1").arg(file));
  DeviceStream stream(f);
  try {
    DumpRecords(stream, [&](const std::string& line) { out += line + '\n'; });
  } catch (const EStreamError& e) {
    throw EStreamError(Std(QStringLiteral("%1 at byte %2").arg(QString::fromUtf8(e.what())).arg(stream.Position())));
  }
  return 0;
}

int Rewrite(const QString& in, const QString& outFile) {
  if (filenames::Extension(outFile) != filenames::kDiagramExt)
    throw UsageError("rewrite writes diagrams: OUT must end in .kdl (use export for pictures)");
  RefuseToOverwriteInput(in, outFile);
  Diagram diagram(in);
  diagramfile::Write(outFile, diagram.Records());
  return 0;
}

int Export(const QString& in, const QString& outFile, const QStringList& rest) {
  diagramexport::Options options;
  for (qsizetype i = 0; i < rest.size(); i += 2) {
    if (i + 1 >= rest.size()) throw UsageError("missing value after " + Std(rest[i]));
    bool ok = false;
    if (rest[i] == QLatin1String("--width")) options.width = rest[i + 1].toInt(&ok);
    else if (rest[i] == QLatin1String("--height")) options.height = rest[i + 1].toInt(&ok);
    else if (rest[i] == QLatin1String("--scale")) options.scale = rest[i + 1].toDouble(&ok);
    else throw UsageError("unknown option " + Std(rest[i]));
    if (!ok) throw UsageError("not a number: " + Std(rest[i + 1]));
  }
  RefuseToOverwriteInput(in, outFile);
  Diagram diagram(in);
  diagramexport::Export(diagram.Figures(), outFile, options);
  return 0;
}

int Run(const QStringList& a, std::string& out) {
  const QString command = a.value(0);
  if (command == QLatin1String("check") && a.size() == 2) return Check(a[1], out);
  if (command == QLatin1String("dump") && a.size() == 2) return Dump(a[1], out);
  if (command == QLatin1String("rewrite") && a.size() == 3) return Rewrite(a[1], a[2]);
  if (command == QLatin1String("export") && a.size() >= 3) return Export(a[1], a[2], a.mid(3));
  if (command == QLatin1String("--help") || command == QLatin1String("help")) {
    out += kUsage;
    return 0;
  }
  throw UsageError("");
}

}  // namespace

int RunKdlTool(const QStringList& arguments, std::string& out, std::string& err) {
  try {
    return Run(arguments, out);
  } catch (const UsageError& e) {
    if (*e.what()) err += std::string("kdltool: ") + e.what() + "\n";
    err += kUsage;
    return 2;
  } catch (const std::bad_alloc&) {
    err += "Out of memory\n";
  } catch (const std::exception& e) {
    // The text the editor's error box would show.
    err += std::string(e.what()) + "\n";
  }
  return 1;
}
