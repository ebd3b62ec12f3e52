// The file, edit, print and help commands of the main window; each acts on the current document.
#include "TwinMain.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStyle>

#include "Errors.h"
#include "Icons.h"
#include "Questions.h"
#include "UndoActions.h"
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
  SetCurrentDocument(doc);
  doc->SetTitle(kNoname);
  sub->resize(696, 480);
  // Cascaded below and right of the previous one so that every title stays in sight.
  const int step = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub) + 4;
  const int slot = static_cast<int>((MdiArea->subWindowList().size() - 1) % 8);
  sub->move(slot * step, slot * step);
  sub->show();
  emit DocumentAdded(doc);
  return doc;
}

TwinKedrinFile* TwinMain::OpenRecovered(const QString& recordsFile, const QString& title) {
  TwinKedrinFile* doc = btnNewClick();
  QPointer<TwinKedrinFile> guard(doc);
  errors::RunCommand(this, [&] { doc->LoadFromFile(recordsFile); });
  if (!guard) return nullptr;
  doc->SetTitle(title);
  doc->SetModified(true);
  return doc;
}

void TwinMain::SetCurrentDocument(TwinKedrinFile* document) {
  currentDocument_ = document;
  if (undoActions_) undoActions_->SetDocument(document);
}

TwinKedrinFile* TwinMain::OpenFile(const QString& fileName) {
  TwinKedrinFile* doc = btnNewClick();
  QPointer<TwinKedrinFile> guard(doc);
  const bool read = errors::RunCommand(this, [&] { doc->LoadFromFile(fileName); });
  // A file named on the command line that gave nothing leaves no empty window behind.
  if (!read && guard && guard->Figures().empty()) {
    if (QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(guard->parentWidget())) {
      guard->FormClose();
      delete sub;
    }
    return nullptr;
  }
  return guard;
}

void TwinMain::btnOpenClick() {
  TwinKedrinFile* doc = btnNewClick();
  QPointer<TwinKedrinFile> guard(doc);
  const QString name = ExecuteOpenDialog();
  if (name.isEmpty() || !guard) return;
  errors::RunCommand(this, [&] { doc->LoadFromFile(name); });
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
  // A name that is itself "Noname.kdl" went through Save As once more, which named the window.
  if (name == kNoname) return saved;
  target->SetTitle(name);
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
  // Every document agreed: they close without being asked again.
  for (TwinKedrinFile* doc : documents) doc->FormClose();
  for (QMdiSubWindow* sub : MdiArea->subWindowList()) delete sub;
  event->accept();
}

void TwinMain::btnCutClick() {
  if (TwinKedrinFile* doc = CurrentDocument()) errors::RunCommand(this, [doc] { doc->CutSelection(); });
}

void TwinMain::btnCopyClick() {
  if (TwinKedrinFile* doc = CurrentDocument()) errors::RunCommand(this, [doc] { doc->CopySelection(); });
}

void TwinMain::btnPasteClick() {
  if (TwinKedrinFile* doc = CurrentDocument()) errors::RunCommand(this, [doc] { doc->PasteCopies(); });
}

void TwinMain::btnPrnSetClick() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc || !PreparePrinter()) return;
  errors::RunCommand(this, [doc] { doc->PrintDocument(); });
}

bool TwinMain::PreparePrinter() {
  // Print Setup's choice stands, a PDF file included; with no printer at all, a PDF file is
  // offered instead of a failure.
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    if (!printer_.outputFileName().isEmpty()) return true;
  } else if (PrinterInstalled()) {
    return true;
  }
  if (questions::AskYesNoCancel(this, QStringLiteral("No printer is installed. Print to a PDF file instead?")) !=
      questions::TAnswer::Yes)
    return false;
  const QString pdf = ExecutePrintToPdfDialog();
  if (pdf.isEmpty()) return false;
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setOutputFileName(pdf);
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
