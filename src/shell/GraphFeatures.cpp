#include "GraphFeatures.h"

#include <QCoreApplication>
#include <QAction>
#include <QCoreApplication>
#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>

#include "ChartWork.h"
#include "ConnectorFormSetting.h"
#include "Diagram.h"
#include "DocumentCharts.h"
#include "DrawioDocument.h"
#include "DrawioFile.h"
#include "Errors.h"
#include "Icons.h"
#include "TwinKedrinFile.h"
#include "TwinMain.h"

namespace graphfeatures {

namespace {

const char* const kFolderKey = "import/folder";
const char* const kShapesKey = "layout/maxShapes";
const char* const kConnectorsKey = "layout/maxConnectors";
const char* const kTimeKey = "layout/timeLimit";
const char* const kMemoryKey = "layout/memoryLimit";

ImportDialog& Dialog() {
  static ImportDialog dialog;
  return dialog;
}

DrawioDialog& DrawioFileDialog() {
  static DrawioDialog dialog;
  return dialog;
}

QString RunDrawioDialog(TwinMain& main) {
  QSettings settings;
  const TwinKedrinFile* doc = main.CurrentDocument();
  const QString folder = ImportFolder(doc ? doc->Title() : QString(), settings.value(kFolderKey).toString(), QDir::homePath());
  const QString name = DrawioFileDialog()
                           ? DrawioFileDialog()(&main, folder)
                           : QFileDialog::getOpenFileName(
                                 &main, QCoreApplication::translate("graphfeatures", "Import draw.io Diagram"), folder,
                                 QCoreApplication::translate("graphfeatures", "draw.io diagrams (*.drawio *.xml);;All files (*)"));
  if (!name.isEmpty()) settings.setValue(kFolderKey, QFileInfo(name).absolutePath());
  return name;
}

QString RunImportDialog(TwinMain& main, flowchart::TextFormat format) {
  QSettings settings;
  const TwinKedrinFile* doc = main.CurrentDocument();
  const QString folder = ImportFolder(doc ? doc->Title() : QString(), settings.value(kFolderKey).toString(), QDir::homePath());
  const bool mermaid = format == flowchart::TextFormat::Mermaid;
  const QString name =
      Dialog() ? Dialog()(&main, format, folder)
               : QFileDialog::getOpenFileName(
                     &main, mermaid ? QCoreApplication::translate("GraphFeatures", "Import Mermaid Flowchart") : QCoreApplication::translate("GraphFeatures", "Import Graphviz DOT Graph"),
                     folder,
                     mermaid ? QCoreApplication::translate("GraphFeatures", "Mermaid flowchart (*.mmd *.mermaid);;All files (*)")
                             : QCoreApplication::translate("GraphFeatures", "Graphviz DOT graph (*.gv *.dot);;All files (*)"));
  if (!name.isEmpty()) settings.setValue(kFolderKey, QFileInfo(name).absolutePath());
  return name;
}

int Positive(const QSettings& settings, const char* key, int fallback) {
  bool ok = false;
  const int v = settings.value(QLatin1String(key)).toInt(&ok);
  return ok && v >= 1 ? v : fallback;
}

flowchart::WorkWithProgress Work(QWidget* parent) { return flowchart::WorkWithProgress(parent, LayoutLimits()); }

QAction* Item(QMenu* menu, const char* name, const QString& caption, const char* icon = nullptr) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(QLatin1String(name));
  if (icon) a->setIcon(icons::Load(QLatin1String(icon)));
  return a;
}

void AddImportMenu(TwinMain& main) {
  QMenu* import = new QMenu(QCoreApplication::translate("GraphFeatures", "&Import"), main.File1);
  import->setObjectName(QStringLiteral("Import1"));
  import->menuAction()->setIcon(icons::Load(QStringLiteral("import")));
  // After Open: both bring a diagram in.
  main.File1->insertMenu(main.RecentFiles1->menuAction(), import);
  const std::pair<const char*, flowchart::TextFormat> items[] = {
      {"ImportMermaid1", flowchart::TextFormat::Mermaid}, {"ImportDot1", flowchart::TextFormat::Dot}};
  for (const auto& [name, format] : items) {
    QAction* a = Item(import, name,
                      format == flowchart::TextFormat::Mermaid ? QCoreApplication::translate("GraphFeatures", "&Mermaid Flowchart...")
                                                                : QCoreApplication::translate("GraphFeatures", "Graphviz &DOT..."));
    QObject::connect(a, &QAction::triggered, &main, [&main, format = format] {
      const QString name = RunImportDialog(main, format);
      if (!name.isEmpty()) ImportChart(main, name, format);
    });
  }
  QAction* drawio = Item(import, "ImportDrawio1", QCoreApplication::translate("graphfeatures", "dra&w.io Diagram..."));
  QObject::connect(drawio, &QAction::triggered, &main, [&main] {
    const QString name = RunDrawioDialog(main);
    if (!name.isEmpty()) ImportDrawio(main, name);
  });
}

void AddLayoutMenu(TwinMain& main) {
  main.Arrange1->addSeparator();
  QMenu* layout = main.Arrange1->addMenu(QCoreApplication::translate("GraphFeatures", "A&uto Layout"));
  layout->setObjectName(QStringLiteral("AutoLayout1"));
  layout->menuAction()->setIcon(icons::Load(QStringLiteral("layout-top-bottom")));
  const std::tuple<const char*, const char*, QString, graph::Direction, QKeySequence> directions[] = {
      {"AutoLayoutTopToBottom1", "layout-top-bottom", QCoreApplication::translate("GraphFeatures", "&Top to Bottom"),
       graph::Direction::TopToBottom, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)},
      {"AutoLayoutLeftToRight1", "layout-left-right", QCoreApplication::translate("GraphFeatures", "&Left to Right"),
       graph::Direction::LeftToRight, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H)},
  };
  std::vector<QAction*> commands;
  for (const auto& [name, icon, caption, direction, key] : directions) {
    QAction* a = Item(layout, name, caption, icon);
    a->setShortcut(key);
    QObject::connect(a, &QAction::triggered, &main, [&main, direction = direction] {
      TwinKedrinFile* doc = main.CurrentDocument();
      if (!doc) return;
      std::optional<flowchart::Outcome> done;
      flowchart::WorkWithProgress work = Work(&main);
      if (errors::RunCommand(&main, [&] { done = flowchart::AutoLayout(*doc, direction, CurrentForm(), work); }) && done)
        flowchart::ShowWarnings(&main, QCoreApplication::translate("GraphFeatures", "Auto Layout"), done->warnings);
    });
    commands.push_back(a);
  }
  layout->addSeparator();
  auto* forms = new QActionGroup(layout);
  QAction* elbow = Item(layout, "ElbowConnectors1", QCoreApplication::translate("GraphFeatures", "&Elbow Connectors"));
  QAction* straight = Item(layout, "StraightConnectors1", QCoreApplication::translate("GraphFeatures", "&Straight Connectors"));
  for (QAction* a : {elbow, straight}) {
    a->setCheckable(true);
    forms->addAction(a);
  }
  QObject::connect(elbow, &QAction::triggered, &main, [] { SetCurrentForm(flowchart::ConnectorForm::Elbow); });
  QObject::connect(straight, &QAction::triggered, &main, [] { SetCurrentForm(flowchart::ConnectorForm::Straight); });
  // The commands need a document; the choice shows the setting, which another window may change.
  QObject::connect(main.Arrange1, &QMenu::aboutToShow, layout, [&main, commands, elbow, straight] {
    for (QAction* a : commands) a->setEnabled(main.CurrentDocument() != nullptr);
    (CurrentForm() == flowchart::ConnectorForm::Elbow ? elbow : straight)->setChecked(true);
  });
  QObject::connect(main.MdiArea, &QMdiArea::subWindowActivated, layout, [&main, commands] {
    for (QAction* a : commands) a->setEnabled(main.CurrentDocument() != nullptr);
  });
  for (QAction* a : commands) a->setEnabled(main.CurrentDocument() != nullptr);
  (CurrentForm() == flowchart::ConnectorForm::Elbow ? elbow : straight)->setChecked(true);
}

}  // namespace

flowchart::ConnectorForm CurrentForm() {
  return connectorform::Elbow() ? flowchart::ConnectorForm::Elbow : flowchart::ConnectorForm::Straight;
}

void SetCurrentForm(flowchart::ConnectorForm form) { connectorform::SetElbow(form == flowchart::ConnectorForm::Elbow); }

layoutproc::Limits LayoutLimits() {
  const QSettings settings;
  layoutproc::Limits limits;
  limits.maxShapes = Positive(settings, kShapesKey, limits.maxShapes);
  limits.maxConnectors = Positive(settings, kConnectorsKey, limits.maxConnectors);
  limits.seconds = Positive(settings, kTimeKey, limits.seconds);
  limits.memoryMegabytes = Positive(settings, kMemoryKey, limits.memoryMegabytes);
  limits.shapesSetting = kShapesKey;
  limits.connectorsSetting = kConnectorsKey;
  return limits;
}

QString ImportFolder(const QString& documentTitle, const QString& lastFolder, const QString& home) {
  // A title is a file's path once the diagram has been saved or read; a new one has no folder.
  const QFileInfo file(documentTitle);
  if (!documentTitle.isEmpty() && file.isAbsolute() && file.absoluteDir().exists()) return file.absolutePath();
  if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir()) return lastFolder;
  return home;
}

void SetImportDialog(ImportDialog dialog) { Dialog() = std::move(dialog); }

TwinKedrinFile* ImportChart(TwinMain& main, const QString& fileName, flowchart::TextFormat format) {
  // Read and laid out first: a file that gives no chart opens no window.
  std::optional<flowchart::ImportedChart> imported;
  flowchart::WorkWithProgress work = Work(&main);
  if (!errors::RunCommand(&main, [&] { imported = flowchart::ImportChartFile(fileName, format, CurrentForm(), work); }) ||
      !imported)
    return nullptr;
  TwinKedrinFile* doc = main.btnNewClick();
  flowchart::FillDocument(*doc, imported->chart);
  flowchart::ShowWarnings(&main, QCoreApplication::translate("GraphFeatures", "Import"), imported->warnings);
  return doc;
}

void SetDrawioDialog(DrawioDialog dialog) { DrawioFileDialog() = std::move(dialog); }

TwinKedrinFile* ImportDrawio(TwinMain& main, const QString& fileName) {
  // Read first: a file that gives no diagram opens no window.
  std::optional<drawiofiles::ReadDiagram> read;
  if (!errors::RunCommand(&main, [&] { read = drawiofiles::ReadDrawioFile(fileName); }) || !read) return nullptr;
  TwinKedrinFile* doc = main.btnNewClick();
  drawiofiles::FillDocument(*doc, read->figures);
  // The file named once, above what happened to its cells.
  if (!read->warnings.isEmpty())
    flowchart::ShowWarnings(&main, QCoreApplication::translate("graphfeatures", "Import"),
                            QStringList{QDir::toNativeSeparators(fileName) + QLatin1Char(':')} + read->warnings);
  return doc;
}

bool PasteChartText(TwinKedrinFile& document, const QString& text) {
  flowchart::Outcome done;
  flowchart::WorkWithProgress work = Work(document.window());
  const flowchart::Pasted pasted = flowchart::PasteChart(document, text, flowchart::PastePoint(document), CurrentForm(), work, &done);
  if (pasted == flowchart::Pasted::NotAChart) return false;
  if (pasted == flowchart::Pasted::Cancelled || done.warnings.isEmpty()) return true;
  flowchart::ShowWarnings(&document, QCoreApplication::translate("GraphFeatures", "Paste"), done.warnings);
  // The box took the focus, and with it the selection: the chart is selected again.
  document.FigureSet().Select(done.figures);
  return true;
}

}  // namespace graphfeatures

void InstallGraphFeatures(TwinMain& main) {
  graphfeatures::AddImportMenu(main);
  graphfeatures::AddLayoutMenu(main);
}
