// Writes many small figures packed on a grid (see DenseDiagram.h) as a diagram file, for trying
// a drag of thousands of visible figures in the editor by hand or with xdotool:
//   make_dense_diagram N COLUMNS CELL_WIDTH CELL_HEIGHT OUT.kdl
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "DenseDiagram.h"
#include "DiagramFile.h"
#include "Errors.h"

int main(int argc, char** argv) {
  const int n = argc > 5 ? std::atoi(argv[1]) : 0, columns = argc > 5 ? std::atoi(argv[2]) : 0;
  const int cw = argc > 5 ? std::atoi(argv[3]) : 0, ch = argc > 5 ? std::atoi(argv[4]) : 0;
  if (n < 1 || columns < 1 || cw < 8 || ch < 8) {
    std::fprintf(stderr, "usage: make_dense_diagram N COLUMNS CELL_WIDTH CELL_HEIGHT OUT.kdl (cells at least 8 x 8)\n");
    return 2;
  }
  // Figures are widgets: an application must exist, with no display needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const auto figures = MakeDenseFigures(n, columns, cw, ch);
  std::vector<const Persistent*> records;
  for (const auto& f : figures) records.push_back(f.get());
  try {
    diagramfile::Write(QString::fromLocal8Bit(argv[5]), records);
  } catch (const EKedrinError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
