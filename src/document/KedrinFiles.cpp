// Save, open and export of a document. The formats and the picture are the widget-free
// functions of DiagramFile, DiagramPicture and PictureFiles; this file
// does the document's part: names, titles, the Modified flag and adopting figures read.
#include <QCoreApplication>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QProgressDialog>
#include <vector>

#include "DiagramFile.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "StreamError.h"
#include "StreamMessages.h"
#include "DiagramPicture.h"
#include "Errors.h"
#include "FileNames.h"
#include "KDTools.h"
#include "PictureFiles.h"
#include "Questions.h"
#include "TImage.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {

std::vector<const TCustomKDTool*> ConstFigures(const std::vector<TCustomKDTool*>& figures) {
  return std::vector<const TCustomKDTool*>(figures.begin(), figures.end());
}

QImage DocumentPicture(const TwinKedrinFile& document) {
  const std::vector<const TCustomKDTool*> figures = ConstFigures(document.Figures());
  return BuildDiagramPicture(document.imgKedrin->PictureIfAny(), document.imgKedrin->NewPictureSize(), figures);
}

// The user stopped a read at its progress box.
struct ReadCancelled {};

// Shows how far a long read has come; appears only once the work has taken a while. Its Cancel
// (or Escape) stops the read at the next record.
class ReadProgress {
 public:
  ReadProgress(QWidget* parent, bool cancellable) : parent_(parent), cancellable_(cancellable) { clock_.start(); }
  ~ReadProgress() { delete dialog_; }

  void Update(int64_t position, int64_t size) {
    if (size <= 0) return;
    const int permille = static_cast<int>(position * 1000 / size);
    if (permille == permille_) return;
    permille_ = permille;
    if (!dialog_) {
      if (clock_.elapsed() < TwinKedrinFile::readProgressDelayMs || permille >= 900) return;
      dialog_ = new QProgressDialog(QCoreApplication::translate("TwinKedrinFile", "Opening..."),
                                    cancellable_ ? QCoreApplication::translate("TwinKedrinFile", "Cancel") : QString(), 0, 1000, parent_);
      dialog_->setWindowModality(Qt::WindowModal);
      dialog_->setMinimumDuration(0);
      dialog_->setAutoClose(false);
      dialog_->setAutoReset(false);
      // Escape closes a dialog without a word to the one who runs it: here it cancels.
      QObject::connect(dialog_, &QDialog::rejected, dialog_, &QProgressDialog::cancel);
      dialog_->show();
    }
    // A window-modal box handles the user's input here, Cancel included. Each step shown costs a
    // round trip to the display: ten a second are plenty; the input is handled at every step.
    if (!shown_.isValid() || shown_.elapsed() >= 100) {
      shown_.start();
      dialog_->setValue(permille);
    } else {
      QCoreApplication::processEvents();
    }
    if (cancellable_ && dialog_->wasCanceled()) throw ReadCancelled{};
  }

 private:
  QPointer<QWidget> parent_;
  QPointer<QProgressDialog> dialog_;
  QElapsedTimer clock_;
  QElapsedTimer shown_;
  int permille_ = -1;
  bool cancellable_;
};

QString ChangedOnDiskQuestion(const QString& fileName) {
  return QCoreApplication::translate("TwinKedrinFile",
             "%1 has been changed by another program since it was opened or saved here.\n"
             "Overwrite it with this diagram, save the diagram under another name, or cancel?")
      .arg(QDir::toNativeSeparators(fileName));
}

bool SamePath(const QString& a, const QString& b) { return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath(); }

}  // namespace

int TwinKedrinFile::readProgressDelayMs = 500;

bool TwinKedrinFile::SaveToFile(const QString& fileName) {
  if (fileName == filenames::kUntitled) return MainWindow()->SaveAs(this);
  switch (filenames::KindOf(fileName)) {
    case filenames::SaveKind::Bitmap:
    case filenames::SaveKind::Jpeg:
      ExportPicture(fileName);
      return true;
    case filenames::SaveKind::ExportOnly:
      throw EKedrinError(QCoreApplication::translate("TwinKedrinFile", "Cannot save %1: a diagram is saved as .kdl, .bmp or .jpg; "
                                        "File ▸ Export... writes PNG, SVG and PDF pictures")
                             .arg(QDir::toNativeSeparators(fileName)));
    case filenames::SaveKind::Diagram:
      break;
  }
  // What another program (or another editor) wrote there since is not overwritten unasked.
  if (diskStamp_ && SamePath(diskStamp_->path, fileName) && filestamp::ChangedSince(*diskStamp_)) {
    switch (questions::AskOverwriteChanged(this, ChangedOnDiskQuestion(fileName))) {
      case questions::TOverwriteAnswer::Overwrite: break;
      case questions::TOverwriteAnswer::SaveAs: return MainWindow() && MainWindow()->SaveAs(this);
      case questions::TOverwriteAnswer::Cancel: return false;
    }
  }
  History().End();
  const std::vector<TCustomKDTool*> figures = Figures();
  const std::vector<const Persistent*> records(figures.begin(), figures.end());
  diskStamp_ = diagramfile::Write(fileName, records);
  readIncompletely_ = false;
  SetTitle(fileName);
  SetModified(false);
  emit Saved();
  return true;
}

bool TwinKedrinFile::LoadFromFile(const QString& fileName, bool cancellable) {
  ReadProgress progress(this, cancellable);
  const QString titleBefore = Title();
  std::vector<TCustomKDTool*> read;
  FileStamp stamp;
  bool titled = false;
  // The canvas is painted once, when every figure is in: the progress shown meanwhile would have
  // it painted again for every step.
  struct HeldUpdates {
    QWidget* w;
    ~HeldUpdates() { w->setUpdatesEnabled(true); }
  } held{Surface()};
  Surface()->setUpdatesEnabled(false);
  // Figures join the diagram some thousands at a time, each batch with one notice.
  std::vector<std::unique_ptr<TCustomKDTool>> pending;
  const auto adoptPending = [&] {
    std::vector<TCustomKDTool*> batch;
    batch.reserve(pending.size());
    for (auto& f : pending) batch.push_back(f.release());
    pending.clear();
    FigureSet().AdoptMany(batch);
    read.insert(read.end(), batch.begin(), batch.end());
  };
  try {
    diagramfile::Read(
        fileName,
        [&](std::unique_ptr<TCustomKDTool> owned) {
          pending.push_back(std::move(owned));
          if (pending.size() >= 4096) adoptPending();
        },
        [&](int64_t position, int64_t size) {
          // Once a record is read the document is the file's (also if a later one fails); the
          // title is set once, not once per record.
          if (!titled) {
            SetTitle(fileName);
            titled = true;
          }
          progress.Update(position, size);
        },
        &stamp);
    adoptPending();
  } catch (const ReadCancelled&) {
    // No half diagram: what was read goes again, and the document is as it was.
    Diagram& set = FigureSet();
    set.Remove(set.IdsOf(read));
    History().Stack().clear();
    SetTitle(titleBefore);
    return false;
  } catch (const EStreamError& e) {
    adoptPending();
    // What was read stays, but it is not the file: the document counts as changed, and Save asks
    // for a name rather than overwrite what is left of the file.
    readIncompletely_ = true;
    History().Stack().clear();
    SetModified(true);
    throw EKedrinError(QCoreApplication::translate("TwinKedrinFile", "%1 could not be read completely: %2")
                           .arg(QDir::toNativeSeparators(fileName), messages::StreamMessageText(e.what())));
  }
  // An empty file is an empty diagram, and the document is that file.
  SetTitle(fileName);
  diskStamp_ = stamp;
  History().Stack().clear();
  SetModified(false);
  return true;
}

QImage TwinKedrinFile::Picture() const { return DocumentPicture(*this); }

void TwinKedrinFile::ExportPicture(const QString& fileName) {
  const filenames::SaveKind kind = filenames::KindOf(fileName);
  if (kind == filenames::SaveKind::Bitmap) picturefiles::WriteBmp(DocumentPicture(*this), fileName);
  else if (kind == filenames::SaveKind::Jpeg) picturefiles::WriteJpeg(DocumentPicture(*this), fileName);
}
