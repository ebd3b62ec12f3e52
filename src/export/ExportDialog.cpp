#include "ExportDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

#include "Errors.h"
#include "FigureGraph.h"

namespace exporting {

namespace {

const char* const kFormatKey = "export/format";
const char* const kScaleKey = "export/scale";
const char* const kFolderKey = "export/folder";
const char* const kTransparentKey = "export/transparent";
const char* const kMarginKey = "export/margin";
const char* const kDiagramKey = "export/diagram";
const char* const kSmoothKey = "export/smooth";

// Canvas pixels of background around the exported area: enough that the outlines on the right
// and bottom edges show whole.
constexpr int kDefaultMargin = 10;
constexpr int kMaxMargin = 1000;

// A title names the diagram's file once it has been saved or read; a new one has no folder.
bool HasFolder(const QString& documentTitle) {
  return !documentTitle.isEmpty() && QFileInfo(documentTitle).isAbsolute();
}

Format CurrentFormat(const QComboBox* box) { return kAllFormats[std::max(0, box->currentIndex())]; }

bool AskToReplace(QWidget* parent, const QString& fileName) {
  return QMessageBox::question(parent, ExportDialog::tr("Export"),
                               ExportDialog::tr("%1 already exists.\nDo you want to replace it?")
                                   .arg(errors::Printable(QDir::toNativeSeparators(fileName))),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

QString ProposedFolder(const QString& documentTitle, const QString& lastFolder, const QString& lastDiagram,
                       const QString& home) {
  if (HasFolder(documentTitle)) {
    if (!lastFolder.isEmpty() && lastDiagram == documentTitle) return lastFolder;
    return QFileInfo(documentTitle).absolutePath();
  }
  return lastFolder.isEmpty() ? home : lastFolder;
}

ExportDialog::ExportDialog(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected,
                           const QString& documentTitle, QWidget* parent)
    : QDialog(parent),
      all_(all.begin(), all.end()),
      selected_(selected.begin(), selected.end()),
      documentTitle_(documentTitle) {
  setWindowTitle(tr("Export"));
  confirmOverwrite = [this](const QString& fileName) { return AskToReplace(this, fileName); };
  const QSettings settings;
  const Format lastFormat = FormatOfKey(settings.value(kFormatKey).toString()).value_or(Format::Png);
  const QString folder = ProposedFolder(documentTitle, settings.value(kFolderKey).toString(),
                                        settings.value(kDiagramKey).toString(), QDir::homePath());

  name_ = new QLineEdit(this);
  auto* browse = new QPushButton(tr("Browse..."), this);
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(name_, 1);
  nameRow->addWidget(browse);

  format_ = new QComboBox(this);
  format_->addItems(Filters());
  format_->setCurrentIndex(static_cast<int>(lastFormat));

  whole_ = new QRadioButton(tr("Whole diagram"), this);
  selectionOnly_ = new QRadioButton(tr("Selection only"), this);
  whole_->setChecked(true);
  selectionOnly_->setEnabled(!selected_.empty());
  auto* scopeRow = new QHBoxLayout;
  scopeRow->addWidget(whole_);
  scopeRow->addWidget(selectionOnly_);
  scopeRow->addStretch();

  scale_ = new QSpinBox(this);
  scale_->setRange(kMinScalePercent, kMaxScalePercent);
  scale_->setSingleStep(25);
  scale_->setSuffix(QStringLiteral(" %"));
  scale_->setValue(std::clamp(settings.value(kScaleKey, 100).toInt(), kMinScalePercent, kMaxScalePercent));
  margin_ = new QSpinBox(this);
  margin_->setObjectName(QStringLiteral("exportMargin"));
  margin_->setRange(0, kMaxMargin);
  margin_->setSuffix(QStringLiteral(" px"));
  margin_->setToolTip(tr("Background around the diagram or the selection, in canvas pixels"));
  margin_->setValue(std::clamp(settings.value(kMarginKey, kDefaultMargin).toInt(), 0, kMaxMargin));
  transparent_ = new QCheckBox(tr("Transparent background"), this);
  transparent_->setChecked(settings.value(kTransparentKey, false).toBool());
  smooth_ = new QCheckBox(tr("Sm&ooth lines and text"), this);
  smooth_->setObjectName(QStringLiteral("exportSmooth"));
  smooth_->setToolTip(tr("Antialiased drawing for PNG, SVG and PDF; BMP and JPEG keep the exact pixels"));
  smooth_->setChecked(settings.value(kSmoothKey, true).toBool());
  size_ = new QLabel(this);

  name_->setMinimumWidth(320);
  auto* nameLabel = new QLabel(tr("File &name:"), this);
  nameLabel->setBuddy(name_);
  auto* form = new QFormLayout;
  form->addRow(nameLabel, nameRow);
  form->addRow(tr("&Format:"), format_);
  form->addRow(tr("Export:"), scopeRow);
  form->addRow(tr("&Scale:"), scale_);
  form->addRow(tr("&Margin:"), margin_);
  form->addRow(QString(), transparent_);
  form->addRow(QString(), smooth_);
  sizeLabel_ = new QLabel(this);
  form->addRow(sizeLabel_, size_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("Export"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);

  QString base = QFileInfo(documentTitle).completeBaseName();
  if (base.isEmpty()) base = tr("Diagram");
  name_->setText(QDir(folder).filePath(base + ExtensionOf(lastFormat)));

  connect(browse, &QPushButton::clicked, this, &ExportDialog::Browse);
  connect(name_, &QLineEdit::textEdited, this, &ExportDialog::NameEdited);
  connect(format_, &QComboBox::currentIndexChanged, this, &ExportDialog::FormatChosen);
  connect(whole_, &QRadioButton::toggled, this, &ExportDialog::Update);
  connect(scale_, &QSpinBox::valueChanged, this, &ExportDialog::Update);
  connect(margin_, &QSpinBox::valueChanged, this, &ExportDialog::Update);
  connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ExportDialog::reject);
  Update();
}

ExportOptions ExportDialog::Options() const {
  ExportOptions o;
  o.format = ResolveTarget(name_->text(), CurrentFormat(format_)).format;
  o.scope = selectionOnly_->isChecked() ? Scope::Selection : Scope::WholeDiagram;
  o.scalePercent = scale_->value();
  o.margin = margin_->value();
  o.transparent = transparent_->isChecked() && o.format == Format::Png;
  o.smooth = smooth_->isChecked() && CanBeSmooth(o.format);
  return o;
}

QString ExportDialog::TargetFileName() const { return ResolveTarget(name_->text(), CurrentFormat(format_)).fileName; }

QString ExportDialog::SizeText() const { return size_->text(); }
QString ExportDialog::SizeCaption() const { return sizeLabel_->text(); }

void ExportDialog::NameEdited() {
  // A typed extension that names a format chooses it.
  if (const std::optional<Format> named = FormatOfName(name_->text())) {
    const QSignalBlocker quiet(format_);
    format_->setCurrentIndex(static_cast<int>(*named));
  }
  Update();
}

void ExportDialog::FormatChosen() {
  // The name follows a format chosen in the box.
  const QString name = name_->text();
  if (FormatOfName(name)) {
    const QFileInfo info(name);
    const QString dir = info.path() == QLatin1String(".") && !name.contains(QLatin1Char('/')) ? QString() : info.path() + "/";
    name_->setText(dir + info.completeBaseName() + ExtensionOf(CurrentFormat(format_)));
  }
  Update();
}

void ExportDialog::Browse() {
  QString filter = FilterOf(CurrentFormat(format_));
  const QString chosen = QFileDialog::getSaveFileName(this, tr("Export"), name_->text(),
                                                      Filters().join(QStringLiteral(";;")), &filter,
                                                      QFileDialog::DontConfirmOverwrite);
  if (chosen.isEmpty()) return;
  if (const std::optional<Format> f = FormatOfFilter(filter)) {
    const QSignalBlocker quiet(format_);
    format_->setCurrentIndex(static_cast<int>(*f));
  }
  name_->setText(chosen);
  NameEdited();
}

void ExportDialog::Update() {
  const ExportOptions o = Options();
  transparent_->setEnabled(o.format == Format::Png);
  smooth_->setEnabled(CanBeSmooth(o.format));
  // A text holds the graph: scale and margin mean nothing to it.
  scale_->setEnabled(!IsText(o.format));
  margin_->setEnabled(!IsText(o.format));
  try {
    const PicturePlan plan = PlanExport(all_, selected_, o);
    sizeLabel_->setText(IsText(o.format) ? tr("Contents:") : tr("Picture size:"));
    if (IsText(o.format)) {
      const graph::Graph g = flowchart::GraphOfFigures(plan.figures);
      size_->setText(tr("%1 shapes, %2 connectors").arg(g.nodes.size()).arg(g.edges.size()));
    } else {
      QString text = tr("%1 x %2 pixels").arg(plan.size.width()).arg(plan.size.height());
      // Too large at the chosen scale: the scale the picture will be drawn at instead.
      if (plan.fitted < 1.0)
        text += tr(", at %1 % to stay within the size limit").arg(QString::number(plan.scale * 100, 'g', 3));
      size_->setText(text);
    }
  } catch (const EKedrinError& e) {
    size_->setText(QString::fromStdString(e.what()));
  }
}

bool ExportDialog::ExportNow() {
  const QString fileName = TargetFileName();
  if (QFileInfo::exists(fileName) && !confirmOverwrite(fileName)) return false;
  const ExportOptions o = Options();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool written = errors::RunCommand(this, [&] { WriteExport(PlanExport(all_, selected_, o), o.format, fileName); });
  QApplication::restoreOverrideCursor();
  if (!written) return false;
  QSettings settings;
  settings.setValue(kFormatKey, KeyOf(o.format));
  settings.setValue(kScaleKey, o.scalePercent);
  settings.setValue(kMarginKey, o.margin);
  settings.setValue(kFolderKey, QFileInfo(fileName).absolutePath());
  settings.setValue(kDiagramKey, HasFolder(documentTitle_) ? documentTitle_ : QString());
  settings.setValue(kTransparentKey, transparent_->isChecked());
  settings.setValue(kSmoothKey, smooth_->isChecked());
  return true;
}

void ExportDialog::accept() {
  if (ExportNow()) QDialog::accept();
}

bool RunExportDialog(QWidget* parent, std::span<const TCustomKDTool* const> all,
                     std::span<const TCustomKDTool* const> selected, const QString& documentTitle) {
  ExportDialog dialog(all, selected, documentTitle, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace exporting
