#include "DrawioFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "DrawioImport.h"
#include "Errors.h"
#include "RegularFile.h"
#include "WholeFile.h"

namespace drawiofiles {

namespace {

QByteArrayView SkipBlanks(QByteArrayView v) {
  while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\t' || v.front() == '\r' || v.front() == '\n')) v = v.sliced(1);
  return v;
}

// Past `end` when the view starts with `start`; unchanged otherwise.
QByteArrayView SkipSection(QByteArrayView v, QByteArrayView start, QByteArrayView end) {
  if (!v.startsWith(start)) return v;
  const qsizetype at = v.indexOf(end);
  return at < 0 ? QByteArrayView() : v.sliced(at + end.size());
}

bool StartsWithElement(QByteArrayView v, QByteArrayView name) {
  if (!v.startsWith(name) || v.size() == name.size()) return v == name;
  const char next = v[name.size()];
  return next == '>' || next == '/' || next == ' ' || next == '\t' || next == '\r' || next == '\n';
}

}  // namespace

bool LooksLikeDrawio(QByteArrayView head) {
  QByteArrayView v = head;
  if (v.startsWith("\xEF\xBB\xBF")) v = v.sliced(3);
  for (;;) {
    v = SkipBlanks(v);
    const QByteArrayView before = v;
    v = SkipSection(v, "<?", "?>");
    v = SkipSection(v, "<!--", "-->");
    if (v.size() == before.size()) break;
  }
  return StartsWithElement(v, "<mxfile") || StartsWithElement(v, "<mxGraphModel");
}

bool IsDrawioFile(const QString& fileName) {
  if (QFileInfo(fileName).suffix().compare(QLatin1String("drawio"), Qt::CaseInsensitive) == 0) return true;
  QFile f(fileName);
  if (!QFileInfo(fileName).isFile() || !f.open(QIODevice::ReadOnly)) return false;
  return LooksLikeDrawio(f.read(4096));
}

ReadDiagram ReadDrawioFile(const QString& fileName) {
  const QString shown = QDir::toNativeSeparators(fileName);
  const QByteArray bytes = regularfile::ReadAll(fileName);
  drawio::Imported in = drawio::ImportDrawio(bytes);
  if (!in.ok())
    throw EKedrinError(QCoreApplication::translate("drawio", "Cannot import %1: %2").arg(shown, QString::fromStdString(in.error)));
  ReadDiagram out;
  out.figures = std::move(in.figures);
  for (const std::string& w : in.warnings) out.warnings << QString::fromStdString(w);
  return out;
}

void WriteDrawioFile(const QString& fileName, std::span<const figures::Figure> figures, const drawio::WriteOptions& options) {
  const QByteArray bytes = drawio::WriteDrawio(figures, options);
  wholefile::Write(fileName, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}

}  // namespace drawiofiles
