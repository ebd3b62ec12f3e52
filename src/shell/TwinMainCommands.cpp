// The file, edit, print and help commands of the main window; each acts on the current document.
#include "TwinMain.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QStyle>

#include "ComponentClipboard.h"
#include "Errors.h"
#include "ExportDialog.h"
#include "FigureTransfer.h"
#include "FileNames.h"
#include "GraphFeatures.h"
#include "PictureClipboard.h"
#include "PrintPreview.h"
#include "RecentFiles.h"
#include "StatusPanels.h"
#include "Icons.h"
#include "Questions.h"
#include "OverviewDock.h"
#include "UndoActions.h"
#include "ZoomActions.h"
#include "TwinAbout.h"
#include "TwinKedrinFile.h"
#include "utChms.h"

namespace {
const QString kNoname = QStringLiteral("Noname.kdl");
}  // namespace

// Documents.

std::vector<TwinKedrinFile*> TwinMain::Documents() const {
  std::vector<TwinKedrinFile*> documents;
  for (QMdiSubWindow* sub : MdiArea->subWindowList(QMdiArea::CreationOrder))
    if (auto* doc = qobject_cast<TwinKedrinFile*>(sub->widget())) documents.push_back(doc);
  return documents;
}

TwinKedrinFile* TwinMain::btnNewClick() {
  auto* doc = new TwinKedrinFile(this);
  QMdiSubWindow* sub = MdiArea->addSubWindow(doc);
  sub->setWindowIcon(icons::Load(QStringLiteral("document")));
  // Window > Close owns Ctrl+W and Ctrl+F4; the subwindow's own menu would make them ambiguous.
  if (QMenu* system = sub->systemMenu())
    for (QAction* a : system->actions())
      if (a->shortcut() == QKeySequence(QKeySequence::Close) || a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
        a->setShortcuts({});
  SetCurrentDocument(doc);
  doc->SetTitle(kNoname);
  sub->resize(696, 480);
  // Cascaded below and right of the previous one so that every title stays in sight.
  const int step = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub) + 4;
  const int slot = static_cast<int>((MdiArea->subWindowList().size() - 1) % 8);
  sub->move(slot * step, slot * step);
  sub->show();
  connect(doc, &TwinKedrinFile::Saved, this, [this, doc] { recentFiles_->Add(doc->Title()); });
  emit DocumentAdded(doc);
  return doc;
}

TwinKedrinFile* TwinMain::OpenRecovered(const QString& recordsFile, const QString& title) {
  TwinKedrinFile* doc = btnNewClick();
  QPointer<TwinKedrinFile> guard(doc);
  // Not cancellable: a recovered copy left half read would be neither kept nor recovered.
  errors::RunCommand(this, [&] { doc->LoadFromFile(recordsFile, false); });
  if (!guard) return nullptr;
  doc->SetTitle(title);
  doc->SetModified(true);
  return doc;
}

void TwinMain::SetCurrentDocument(TwinKedrinFile* document) {
  const bool changed = document != currentDocument_;
  currentDocument_ = document;
  if (undoActions_) undoActions_->SetDocument(document);
  if (zoomActions_) zoomActions_->SetDocument(document);
  if (overviewDock_) overviewDock_->SetDocument(document);
  if (statusPanels_) statusPanels_->ShowSelection();
  // The style controls show the style of the document they act on.
  if (changed && document) document->ShowStyleInMainWindow();
}

TwinKedrinFile* TwinMain::OpenFile(const QString& fileName) {
  if (TwinKedrinFile* open = DocumentShowing(fileName)) {
    MdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
    return open;
  }
  TwinKedrinFile* doc = btnNewClick();
  QPointer<TwinKedrinFile> guard(doc);
  bool complete = true;
  const bool read = errors::RunCommand(this, [&] { complete = doc->LoadFromFile(fileName); });
  // A file named on the command line that gave nothing, or whose reading the user cancelled,
  // leaves no empty window behind.
  if (guard && ((read && !complete) || (!read && guard->Figures().empty()))) {
    CloseWindowOf(guard);
    return nullptr;
  }
  if (read) recentFiles_->Add(fileName);
  return guard;
}

void TwinMain::btnOpenClick() {
  TwinKedrinFile* doc = btnNewClick();
  QPointer<TwinKedrinFile> guard(doc);
  const QString name = ExecuteOpenDialog();
  if (name.isEmpty() || !guard) return;
  // A diagram that is open already is shown, not opened twice; the empty window goes again.
  if (TwinKedrinFile* open = DocumentShowing(name)) {
    CloseWindowOf(doc);
    MdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
    return;
  }
  bool complete = true;
  const bool read = errors::RunCommand(this, [&] { complete = doc->LoadFromFile(name); });
  if (read && !complete && guard) {
    CloseWindowOf(guard);  // cancelled: no half diagram stays
    return;
  }
  if (read) recentFiles_->Add(name);
}

TwinKedrinFile* TwinMain::DocumentShowing(const QString& fileName) const {
  const QString wanted = QFileInfo(fileName).absoluteFilePath();
  for (TwinKedrinFile* doc : Documents())
    if (doc->Title() != kNoname && QFileInfo(doc->Title()).absoluteFilePath() == wanted) return doc;
  return nullptr;
}

void TwinMain::CloseWindowOf(TwinKedrinFile* doc) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(doc->parentWidget())) {
    doc->FormClose();
    delete sub;
  }
}

void TwinMain::btnSaveClick() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc) return;
  // What is left of a file that could not be read is not overwritten without a new name.
  if (doc->ReadIncompletely()) {
    SaveAs(doc);
    return;
  }
  errors::RunCommand(this, [doc] { doc->SaveToFile(doc->Title()); });
}

void TwinMain::Saveas1Click() {
  if (TwinKedrinFile* doc = CurrentDocument()) SaveAs(doc);
}

bool TwinMain::SaveAs(TwinKedrinFile* target) {
  if (!target) return false;
  QPointer<TwinKedrinFile> guard(target);
  const QString name = ExecuteSaveAsDialog();
  if (name.isEmpty() || !guard) return false;
  bool saved = true;
  if (!errors::RunCommand(this, [&] { saved = target->SaveToFile(name); })) return false;
  if (!saved || !guard) return false;
  // A diagram save names the window itself, also when the user chose yet another name on the
  // way ("Noname.kdl" once more, or Save As at the question about a changed file). A picture
  // exported under the name becomes the title, so that Save exports it again.
  if (filenames::KindOf(name) != filenames::SaveKind::Diagram) target->SetTitle(name);
  return true;
}

void TwinMain::btnExitClick() { close(); }

void TwinMain::closeEvent(QCloseEvent* event) {
  const std::vector<TwinKedrinFile*> documents = Documents();
  for (TwinKedrinFile* doc : documents) {
    if (!doc->FormCloseQuery()) {
      event->ignore();
      return;
    }
  }
  RememberWindow();
  // Every document agreed: they close without being asked again.
  for (TwinKedrinFile* doc : documents) doc->FormClose();
  for (QMdiSubWindow* sub : MdiArea->subWindowList()) delete sub;
  event->accept();
}

namespace {
std::vector<const TCustomKDTool*> Const(const std::vector<TCustomKDTool*>& figures) {
  return {figures.begin(), figures.end()};
}

// What Copy takes onto the system clipboard: its records, for pasting into any document (of this
// or another editor), with a PNG and an SVG picture of them for other programs.
void PutOnClipboard(TwinKedrinFile* doc) {
  const std::vector<TCustomKDTool*> selected = doc->CarriedFigures();
  if (selected.empty()) return;
  QMimeData* data = exporting::PictureMimeData(Const(doc->Figures()), Const(selected));
  data->setData(QString::fromLatin1(componentclipboard::kMimeType), figuretransfer::Records(selected));
  componentclipboard::Discard();
  QGuiApplication::clipboard()->setMimeData(data);
}

// A key that a text field uses is the field's: the watcher's Ctrl+C there copies text, and only
// marks the figures as the watcher always has.
bool TextFieldHasFocus() {
  QWidget* w = QApplication::focusWidget();
  return qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w);
}
}  // namespace

void TwinMain::btnCutClick() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc) return;
  // On the clipboard first, so that Cut then Paste moves the figures.
  errors::RunCommand(this, [doc] {
    PutOnClipboard(doc);
    doc->CutSelection();
  });
}

void TwinMain::btnCopyClick() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc) return;
  errors::RunCommand(this, [doc] {
    doc->CopySelection();
    PutOnClipboard(doc);
  });
}

void TwinMain::CopyCommand() {
  if (!TextFieldHasFocus()) return btnCopyClick();
  if (TwinKedrinFile* doc = CurrentDocument()) doc->CopySelection();
}

void TwinMain::btnPasteClick() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc) return;
  errors::RunCommand(this, [doc] {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString type = QString::fromLatin1(componentclipboard::kMimeType);
    const bool figures = data && data->hasFormat(type);
    // A flowchart's text copied elsewhere (a README, a wiki) is newer than any Copy made here.
    if (!figures && data && data->hasText() && graphfeatures::PasteChartText(*doc, data->text())) return;
    // Figures marked in this document are copied as they always were; otherwise whatever figures
    // the clipboard holds come in, from another document or another run.
    if (doc->HasCopyMarks()) return doc->PasteCopies();
    if (figures) doc->PasteFigures(data->data(type));
  });
}

void TwinMain::SelectAll1Click() {
  if (TwinKedrinFile* doc = CurrentDocument()) doc->SelectAll();
}

void TwinMain::Export1Click() {
  if (TwinKedrinFile* doc = CurrentDocument()) ExecuteExportDialog(doc);
}

void TwinMain::ExecuteExportDialog(TwinKedrinFile* doc) {
  exporting::RunExportDialog(this, Const(doc->Figures()), Const(doc->SelectedFigures()), doc->Title());
}

void TwinMain::ExecutePrintPreview(const QImage& picture) { exporting::ShowPrintPreview(this, &printer_, picture); }

void TwinMain::CopyAsPicture1Click() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc) return;
  errors::RunCommand(this, [doc] { exporting::CopyAsPicture(Const(doc->Figures()), Const(doc->SelectedFigures())); });
}

void TwinMain::PrintPreview1Click() {
  // No question about a printer here: the preview itself asks for a PDF file's name when it is
  // to print with none installed.
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc) return;
  QImage picture;
  if (errors::RunCommand(this, [&] { picture = doc->Picture(); })) ExecutePrintPreview(picture);
}

void TwinMain::btnPrnSetClick() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc || !PreparePrinter()) return;
  errors::RunCommand(this, [doc] { doc->PrintDocument(); });
}

bool TwinMain::PreparePrinter() {
  // Print Setup's choice stands, a PDF file included; with no printer at all, a PDF file is
  // offered instead of a failure.
  const bool pdf = printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty();
  const bool offeredBefore = pdf && printer_.outputFileName() == pdfOfferedByPrint_;
  if (pdf && !offeredBefore) return true;
  if (printer_.outputFormat() != QPrinter::PdfFormat && PrinterInstalled()) return true;
  // The file offered last time is asked for again, not silently overwritten: the dialog starts
  // there and asks before replacing it.
  if (!offeredBefore &&
      questions::AskYesNoCancel(this, tr("No printer is installed. Print to a PDF file instead?")) !=
          questions::TAnswer::Yes)
    return false;
  const QString chosen = ExecutePrintToPdfDialog();
  if (chosen.isEmpty()) return false;
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setOutputFileName(chosen);
  pdfOfferedByPrint_ = chosen;
  return true;
}

void TwinMain::Undo1Click() {
  if (TwinKedrinFile* doc = CurrentDocument()) doc->Undo();
}

void TwinMain::Redo1Click() {
  if (TwinKedrinFile* doc = CurrentDocument()) doc->Redo();
}

void TwinMain::btnPrintClick() { ExecutePrinterSetupDialog(); }

void TwinMain::btnHelpClick() {
  errors::RunCommand(this, [this] { utChms::HtmlHelp(this, QStringLiteral("kedrin.chm::/aboutus.htm"), 0, 0); });
}

void TwinMain::About2Click() { ShowAboutBox(this); }
