// Save, open and export of a document. The formats and the picture are the widget-free
// functions of DiagramFile, DiagramPicture and PictureFiles; this file
// does the document's part: names, titles, the Modified flag and adopting figures read.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <vector>

#include "DiagramFile.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "StreamError.h"
#include "DiagramPicture.h"
#include "Errors.h"
#include "FileNames.h"
#include "KDTools.h"
#include "PictureFiles.h"
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

// Shows how far a long read has come; appears only once the work has taken half a second.
class ReadProgress {
 public:
  explicit ReadProgress(QWidget* parent) : parent_(parent) { clock_.start(); }
  ~ReadProgress() { delete dialog_; }

  void Update(int64_t position, int64_t size) {
    if (size <= 0) return;
    const int permille = static_cast<int>(position * 1000 / size);
    if (permille == permille_) return;
    permille_ = permille;
    if (!dialog_) {
      if (clock_.elapsed() < 500 || permille >= 900) return;
      dialog_ = new QProgressDialog(QStringLiteral("Opening..."), QString(), 0, 1000, parent_);
      dialog_->setWindowModality(Qt::WindowModal);
      dialog_->setMinimumDuration(0);
      dialog_->setAutoClose(false);
      dialog_->setAutoReset(false);
      dialog_->show();
    }
    dialog_->setValue(permille);
  }

 private:
  QPointer<QWidget> parent_;
  QPointer<QProgressDialog> dialog_;
  QElapsedTimer clock_;
  int permille_ = -1;
};

}  // namespace

bool TwinKedrinFile::SaveToFile(const QString& fileName) {
  if (fileName == filenames::kUntitled) return MainWindow()->SaveAs(this);
  if (filenames::Extension(fileName) != filenames::kDiagramExt) {
    ExportPicture(fileName);
    return true;
  }
  History().End();
  const std::vector<TCustomKDTool*> figures = Figures();
  const std::vector<const Persistent*> records(figures.begin(), figures.end());
  diagramfile::Write(fileName, records);
  readIncompletely_ = false;
  SetTitle(fileName);
  SetModified(false);
  emit Saved();
  return true;
}

void TwinKedrinFile::LoadFromFile(const QString& fileName) {
  ReadProgress progress(this);
  SetTitle(fileName);
  try {
    diagramfile::Read(
        fileName,
        [&](std::unique_ptr<TCustomKDTool> owned) { FigureSet().Adopt(owned.release()); },
        [&](int64_t position, int64_t size) { progress.Update(position, size); });
  } catch (const EStreamError& e) {
    // What was read stays, but it is not the file: the document counts as changed, and Save asks
    // for a name rather than overwrite what is left of the file.
    readIncompletely_ = true;
    History().Stack().clear();
    SetModified(true);
    throw EKedrinError(QStringLiteral("%1 could not be read completely: %2")
                           .arg(QDir::toNativeSeparators(fileName), QString::fromStdString(e.what())));
  }
  History().Stack().clear();
  SetModified(false);
}

QImage TwinKedrinFile::Picture() const { return DocumentPicture(*this); }

void TwinKedrinFile::ExportPicture(const QString& fileName) {
  const QString ext = filenames::Extension(fileName);
  if (ext == filenames::kBitmapExt) picturefiles::WriteBmp(DocumentPicture(*this), fileName);
  else if (ext == filenames::kJpegExt) picturefiles::WriteJpeg(DocumentPicture(*this), fileName);
}
