#pragma once
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <optional>
#include <utility>

// The directed graphs Debian ships with Graphviz (package graphviz-doc), and Graphviz's gc to count
// their nodes and edges: texts nobody here wrote, with counts nobody here computed.
namespace graphvizexamples {

inline QString Folder() {
  return qEnvironmentVariable("KEDRIN_GRAPHVIZ_EXAMPLES", QStringLiteral("/usr/share/doc/graphviz/examples/graphs/directed"));
}

inline QStringList Files(const QString& folder) {
  return QDir(folder).entryList({QStringLiteral("*.gv"), QStringLiteral("*.gv.gz")}, QDir::Files, QDir::Name);
}

inline QString Gc() { return QStandardPaths::findExecutable(QStringLiteral("gc")); }

// Nodes and edges of the first graph of a text; none when gc fails.
inline std::optional<std::pair<size_t, size_t>> GcCounts(const QString& gc, const QByteArray& text) {
  QProcess process;
  process.start(gc, {QStringLiteral("-n"), QStringLiteral("-e")});
  if (!process.waitForStarted()) return std::nullopt;
  process.write(text);
  process.closeWriteChannel();
  if (!process.waitForFinished(30000)) return std::nullopt;
  const QList<QByteArray> fields = process.readAllStandardOutput().split('\n').value(0).simplified().split(' ');
  if (fields.size() < 2) return std::nullopt;
  return std::make_pair(static_cast<size_t>(fields[0].toULongLong()), static_cast<size_t>(fields[1].toULongLong()));
}

// A file's text, unpacked when it is gzipped.
inline QByteArray Contents(const QString& path) {
  if (!path.endsWith(QLatin1String(".gz"))) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QProcess gunzip;
  gunzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), path});
  gunzip.waitForFinished(30000);
  return gunzip.readAllStandardOutput();
}

}  // namespace graphvizexamples
