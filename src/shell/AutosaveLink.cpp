#include "AutosaveLink.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>

#include "AutosaveManager.h"
#include "AutosavePreferencesDialog.h"
#include "AutosaveSource.h"
#include "FileNames.h"
#include "KDTools.h"
#include "OfferRecovery.h"
#include "RecordBytes.h"
#include "TwinKedrinFile.h"
#include "TwinMain.h"

namespace {

// Names Save writes to without asking: a diagram file, neither "Noname.kdl" nor a picture.
bool NamesDiagramFile(const QString& title) {
  return title != filenames::kUntitled && filenames::Extension(title) == filenames::kDiagramExt;
}

}  // namespace

// One document window as the autosave sees it.
class AutosaveLink::DocumentSource final : public AutosaveSource {
 public:
  explicit DocumentSource(const TwinKedrinFile& document) : document_(document) {}

  QString AutosaveTitle() const override { return document_.Title(); }
  QString AutosaveFilePath() const override {
    // What is left of a file that could not be read whole is not its file: Save asks for a name.
    if (!NamesDiagramFile(document_.Title()) || document_.ReadIncompletely()) return {};
    return document_.Title();
  }
  bool AutosaveModified() const override { return document_.Modified(); }
  bool AutosaveDragInProgress() const override { return document_.DragInProgress(); }
  QByteArray AutosaveRecords(int& figures) const override {
    const std::vector<TCustomKDTool*> list = document_.Figures();
    figures = static_cast<int>(list.size());
    const std::vector<const Persistent*> records(list.begin(), list.end());
    const QByteArray bytes = recordbytes::Serialise(records, lastSize_ + lastSize_ / 8);
    lastSize_ = bytes.size();
    return bytes;
  }

 private:
  const TwinKedrinFile& document_;
  mutable qsizetype lastSize_ = 0;  // of the previous copy: room for the next one
};

AutosaveLink::AutosaveLink(TwinMain& main, AutosaveManager& manager)
    : main_(main), manager_(manager) {
  connect(&main_, &TwinMain::DocumentAdded, this, &AutosaveLink::Add);
  for (TwinKedrinFile* document : main_.Documents()) Add(document);
  connect(&manager_, &AutosaveManager::Warning, this, &AutosaveLink::ShowWarning);
  connect(&manager_, &AutosaveManager::WarningOver, this, &AutosaveLink::ClearWarning);

  // Owned by the link, so that the menu loses them with it.
  auto* separator = new QAction(this);
  separator->setSeparator(true);
  preferences_ = new QAction(tr("Pr&eferences..."), this);
  preferences_->setObjectName(QStringLiteral("Preferences1"));
  main_.Edit1->addActions({separator, preferences_});
  connect(preferences_, &QAction::triggered, this,
          [this] { AutosavePreferencesDialog::Edit(&main_, manager_); });
}

// The sources leave the manager as they go.
AutosaveLink::~AutosaveLink() = default;

void AutosaveLink::Add(TwinKedrinFile* document) {
  if (!document || sources_.count(document)) return;
  auto& source = sources_[document];
  source = std::make_unique<DocumentSource>(*document);
  AutosaveSource* s = source.get();
  manager_.Register(s, recoveredId_);
  recoveredId_.clear();

  connect(document, &TwinKedrinFile::ContentChanged, this, [this, s] { manager_.Changed(s); });
  // Marked modified without an edit (what could be read of a damaged file, a recovered copy):
  // protected all the same.
  connect(document, &TwinKedrinFile::ModifiedChanged, this, [this, s](bool modified) {
    if (modified) manager_.Changed(s);
  });
  connect(document, &TwinKedrinFile::Saved, this, [this, s] { manager_.Saved(s); });
  connect(document, &TwinKedrinFile::Closed, this, [this, s] { manager_.Closed(s); });
  connect(document, &QObject::destroyed, this, [this](QObject* gone) { sources_.erase(gone); });
}

AutosaveSource* AutosaveLink::SourceOf(const TwinKedrinFile* document) const {
  auto it = sources_.find(document);
  return it == sources_.end() ? nullptr : it->second.get();
}

std::vector<TwinKedrinFile*> AutosaveLink::OfferRecovery() {
  std::vector<TwinKedrinFile*> opened;
  for (const RecoveredDocument& recovered : recovery::OfferRecovery(&main_, manager_)) {
    recoveredId_ = recovered.id;  // taken by the document window OpenRecovered adds
    TwinKedrinFile* document = main_.OpenRecovered(recovered.recordsPath, recovered.title);
    recoveredId_.clear();
    if (!document) continue;
    // A diagram title without a file to save to was what could be read of a damaged file:
    // Save still asks for a new name rather than overwrite what is left of it.
    if (recovered.filePath.isEmpty() && NamesDiagramFile(recovered.title)) document->SetReadIncompletely(true);
    opened.push_back(document);
  }
  return opened;
}

void AutosaveLink::ShowWarning(const QString& text) {
  warning_ = text;
  main_.StatusBar1->showMessage(text);
}

void AutosaveLink::ClearWarning() {
  if (!warning_.isEmpty() && main_.StatusBar1->currentMessage() == warning_) main_.StatusBar1->clearMessage();
  warning_.clear();
}
