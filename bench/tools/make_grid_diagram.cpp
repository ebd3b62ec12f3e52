// Writes the grid workload of the picture-export measurements as a diagram file, through the
// editor's own writer, and optionally the same drawing as a Dia diagram:
//   make_grid_diagram N OUT.kdl [OUT.dia]
#include <QApplication>
#include <QFile>
#include <cstdio>

#include "DiagramFile.h"
#include "Errors.h"
#include "GridDiagram.h"

int main(int argc, char** argv) {
  if (argc < 3 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: make_grid_diagram N OUT.kdl [OUT.dia]\n");
    return 2;
  }
  // Figures are widgets: an application must exist, with no display needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const auto figures = MakeGridDiagram(std::atoi(argv[1]));
  std::vector<const Persistent*> records;
  for (const auto& f : figures) records.push_back(f.get());
  try {
    diagramfile::Write(QString::fromLocal8Bit(argv[2]), records);
  } catch (const EKedrinError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  if (argc > 3) {
    QFile dia(QString::fromLocal8Bit(argv[3]));
    if (!dia.open(QIODevice::WriteOnly) || dia.write(GridAsDia(figures)) < 0) {
      std::fprintf(stderr, "cannot write %s\n", argv[3]);
      return 1;
    }
  }
  return 0;
}
