// Writes one diagram per figure class and one with all nine into the folder given.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <memory>
#include <vector>

#include "DiagramFile.h"
#include "KDTools.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_make_seeds FOLDER\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  std::vector<std::unique_ptr<TCustomKDTool>> figures;
  figures.push_back(std::make_unique<TKDBegin>());
  figures.push_back(std::make_unique<TKDEnd>());
  figures.push_back(std::make_unique<TKDProcess>());
  figures.push_back(std::make_unique<TKDEllipse>());
  figures.push_back(std::make_unique<TKDRectangle>());
  figures.push_back(std::make_unique<TKDArrow>());
  figures.push_back(std::make_unique<TKDLabel>());
  figures.push_back(std::make_unique<TKDDiamond>());
  figures.push_back(std::make_unique<TKDLine>());
  std::vector<const Persistent*> all;
  int i = 0;
  for (auto& f : figures) {
    f->ApplyBounds(10 + 40 * i, 5 + 300 * i, 60, 40);
    f->SetCaption(i % 3 == 0 ? "Start" : i % 3 == 1 ? "\xE5\xBC\x80\xE5\xA7\x8B" : "A\xE5\xBC\x80 long");
    f->SetLineStyle(static_cast<TPenStyle>(i % 7));
    f->SetFillStyle(static_cast<TBrushStyle>(i % 8));
    f->SetFillColor(RGB(1, 2, 3 * i));
    TFontDesc font;
    font.style = static_cast<uint8_t>(i);
    font.charset = static_cast<uint8_t>(i * 30);
    f->SetFont(font);
    const std::vector<const Persistent*> one{f.get()};
    diagramfile::Write(dir.filePath(QStringLiteral("%1.kdl").arg(f->ClassName())), one);
    all.push_back(f.get());
    ++i;
  }
  diagramfile::Write(dir.filePath(QStringLiteral("all.kdl")), all);
  return 0;
}
