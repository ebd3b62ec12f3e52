#include "PropertiesPanel.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QToolButton>

#include "Diagram.h"
#include "PropertyEdits.h"
#include "PropertyRanges.h"
#include "QtConvert.h"
#include "StyleEdits.h"
#include "TwinKedrinFile.h"

namespace {

QLineEdit* NumberField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QLatin1String(name));
  // Any number of digits: a value out of range is refused with a word when it is entered, not
  // held back in the field unapplied (as a range validator would).
  field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\s*[-+]?\\d*\\s*")), field));
  field->setMaxLength(16);
  return field;
}

QComboBox* ChoiceField(QWidget* parent, const char* name, std::initializer_list<const char*> items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QLatin1String(name));
  for (const char* item : items) box->addItem(PropertiesPanel::tr(item));
  return box;
}

QString ColourText(TColor colour) { return ToQColor(colour).name(); }

QIcon ColourIcon(const std::optional<TColor>& colour) {
  QPixmap pixmap(16, 16);
  pixmap.fill(colour ? ToQColor(*colour) : QColor(Qt::transparent));
  return QIcon(pixmap);
}

template <typename T>
void ShowChoice(QComboBox* box, const std::optional<T>& value) {
  box->setCurrentIndex(value ? static_cast<int>(*value) : -1);
}

void ShowNumber(QLineEdit* field, const std::optional<int>& value) {
  // A field being typed into keeps what the user typed.
  if (field->hasFocus() && field->isModified()) return;
  field->setText(value ? QString::number(*value) : QString());
}

}  // namespace

PropertiesPanel::PropertiesPanel(QWidget* parent) : QDockWidget(tr("Properties"), parent) {
  setObjectName(QStringLiteral("PropertiesDock"));
  toggleViewAction()->setObjectName(QStringLiteral("Properties1"));
  toggleViewAction()->setText(tr("&Properties"));
  BuildFields();
  Show({});
}

PropertiesPanel::~PropertiesPanel() { Detach(); }

void PropertiesPanel::BuildFields() {
  auto* body = new QWidget(this);
  auto* form = new QFormLayout(body);
  x_ = NumberField(body, "edtPropX");
  y_ = NumberField(body, "edtPropY");
  width_ = NumberField(body, "edtPropWidth");
  height_ = NumberField(body, "edtPropHeight");
  text_ = new QLineEdit(body);
  text_->setObjectName(QStringLiteral("edtPropText"));
  font_ = new QComboBox(body);
  font_->setObjectName(QStringLiteral("cmbPropFont"));
  font_->setEditable(true);
  font_->setInsertPolicy(QComboBox::NoInsert);
  font_->addItems(QFontDatabase::families());
  fontSize_ = NumberField(body, "edtPropFontSize");
  fill_ = new QLineEdit(body);
  fill_->setObjectName(QStringLiteral("edtPropFill"));
  line_ = new QLineEdit(body);
  line_->setObjectName(QStringLiteral("edtPropLine"));
  lineStyle_ = ChoiceField(body, "cmbPropLineStyle",
                           {QT_TRANSLATE_NOOP("PropertiesPanel", "Solid"), QT_TRANSLATE_NOOP("PropertiesPanel", "Dash"), QT_TRANSLATE_NOOP("PropertiesPanel", "Dot"), QT_TRANSLATE_NOOP("PropertiesPanel", "Dash Dot"), QT_TRANSLATE_NOOP("PropertiesPanel", "Dash Dot Dot"), QT_TRANSLATE_NOOP("PropertiesPanel", "Clear"), QT_TRANSLATE_NOOP("PropertiesPanel", "Inside Frame")});
  lineWidth_ = NumberField(body, "edtPropLineWidth");
  heads_ = ChoiceField(body, "cmbPropArrowHeads", {QT_TRANSLATE_NOOP("PropertiesPanel", "Left"), QT_TRANSLATE_NOOP("PropertiesPanel", "Right"), QT_TRANSLATE_NOOP("PropertiesPanel", "Both")});
  direction_ = ChoiceField(body, "cmbPropArrowDirection",
                           {QT_TRANSLATE_NOOP("PropertiesPanel", "Top to Top"), QT_TRANSLATE_NOOP("PropertiesPanel", "Top to Bottom"), QT_TRANSLATE_NOOP("PropertiesPanel", "Bottom to Top"), QT_TRANSLATE_NOOP("PropertiesPanel", "Bottom to Bottom"), QT_TRANSLATE_NOOP("PropertiesPanel", "Left to Left"), QT_TRANSLATE_NOOP("PropertiesPanel", "Right to Right")});

  auto colourRow = [body](QLineEdit* field, QToolButton*& button, const char* name, const char* hint) {
    auto* row = new QWidget(body);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field);
    button = new QToolButton(row);
    button->setObjectName(QLatin1String(name));
    button->setText(QStringLiteral("..."));
    button->setToolTip(QLatin1String(hint));
    layout->addWidget(button);
    return row;
  };
  form->addRow(tr("&X:"), x_);
  form->addRow(tr("&Y:"), y_);
  form->addRow(tr("&Width:"), width_);
  form->addRow(tr("&Height:"), height_);
  form->addRow(tr("&Text:"), text_);
  form->addRow(tr("&Font:"), font_);
  form->addRow(tr("&Size:"), fontSize_);
  form->addRow(tr("F&ill:"), colourRow(fill_, fillButton_, "btnPropFill", "Choose the fill colour"));
  form->addRow(tr("&Line:"), colourRow(line_, lineButton_, "btnPropLine", "Choose the line colour"));
  form->addRow(tr("Line st&yle:"), lineStyle_);
  form->addRow(tr("Line wi&dth:"), lineWidth_);
  form->addRow(tr("Arrow &heads:"), heads_);
  form->addRow(tr("Dir&ection:"), direction_);
  problem_ = new QLabel(body);
  problem_->setObjectName(QStringLiteral("lblPropProblem"));
  problem_->setWordWrap(true);
  problem_->setStyleSheet(QStringLiteral("color: #c00000"));
  problem_->hide();
  form->addRow(problem_);
  setWidget(body);

  using style::BoxField;
  using style::NumberField;
  CommitNumber(x_, NumberField::X, [](TwinKedrinFile& d, int v) { style::SetBoxField(d, BoxField::X, v); });
  CommitNumber(y_, NumberField::Y, [](TwinKedrinFile& d, int v) { style::SetBoxField(d, BoxField::Y, v); });
  CommitNumber(width_, NumberField::Width,
               [](TwinKedrinFile& d, int v) { style::SetBoxField(d, BoxField::Width, v); });
  CommitNumber(height_, NumberField::Height,
               [](TwinKedrinFile& d, int v) { style::SetBoxField(d, BoxField::Height, v); });
  CommitNumber(fontSize_, NumberField::FontSize, [](TwinKedrinFile& d, int v) { style::SetFontSize(d, v); });
  CommitNumber(lineWidth_, NumberField::LineWidth, [](TwinKedrinFile& d, int v) { style::SetLineWidth(d, v); });
  CommitColour(fill_, false);
  CommitColour(line_, true);
  connect(text_, &QLineEdit::editingFinished, this, [this] {
    if (!text_->isModified() || !document_) return;
    text_->setModified(false);
    style::SetText(*document_, text_->text().toStdString());
  });
  auto commitFont = [this] {
    const QString name = font_->currentText().trimmed();
    if (!document_ || name.isEmpty()) return;
    style::SetFontName(*document_, name.toStdString());
  };
  connect(font_, &QComboBox::activated, this, commitFont);
  connect(font_->lineEdit(), &QLineEdit::editingFinished, this, [this, commitFont] {
    if (font_->lineEdit()->isModified()) commitFont();
    font_->lineEdit()->setModified(false);
  });
  connect(lineStyle_, &QComboBox::activated, this, [this](int i) {
    if (document_) style::SetLineStyle(*document_, static_cast<TPenStyle>(i));
  });
  connect(heads_, &QComboBox::activated, this, [this](int i) {
    if (document_) style::SetArrowHeads(*document_, static_cast<TArrowPosition>(i));
  });
  connect(direction_, &QComboBox::activated, this, [this](int i) {
    if (document_) style::SetArrowDirection(*document_, static_cast<TArrowDirection>(i));
  });
  connect(fillButton_, &QToolButton::clicked, this, [this] {
    if (chooseColour) chooseColour(false);
  });
  connect(lineButton_, &QToolButton::clicked, this, [this] {
    if (chooseColour) chooseColour(true);
  });
}

void PropertiesPanel::CommitNumber(QLineEdit* field, style::NumberField kind,
                                   const std::function<void(TwinKedrinFile&, int)>& apply) {
  connect(field, &QLineEdit::editingFinished, this, [this, field, kind, apply] {
    if (!field->isModified() || !document_) return;
    field->setModified(false);
    std::vector<QRect> boxes;
    for (const TCustomKDTool* f : document_->FigureSet().Selected()) boxes.push_back(f->BoundsRect());
    const style::CheckedNumber checked = style::CheckNumber(kind, field->text(), style::RangeOf(kind, boxes));
    ShowProblem(checked.problem);
    if (checked.value) apply(*document_, *checked.value);
    // Taken, refused or changing nothing: the field shows the value the figures have now.
    Refresh();
    if (!checked.problem.isEmpty()) field->selectAll();
  });
}

void PropertiesPanel::ShowProblem(const QString& text) {
  problem_->setText(text);
  problem_->setVisible(!text.isEmpty());
}

void PropertiesPanel::CommitColour(QLineEdit* field, bool line) {
  connect(field, &QLineEdit::editingFinished, this, [this, field, line] {
    if (!field->isModified() || !document_) return;
    field->setModified(false);
    // "#rrggbb" or a colour's name, as the colour dialog takes them.
    const QColor colour(field->text().trimmed());
    if (!colour.isValid()) {
      Show(shown_);
      return;
    }
    if (line) style::ApplyLineColour(*document_, FromQColor(colour));
    else style::ApplyFillColour(*document_, FromQColor(colour));
  });
}

void PropertiesPanel::SetDocument(TwinKedrinFile* document) {
  if (document == document_ && (observed_ || !document)) {
    ScheduleRefresh();
    return;
  }
  Detach();
  document_ = document;
  if (document) {
    observed_ = &document->FigureSet();
    observed_->AddObserver(this);
    // The diagram goes with its window: the panel lets go of it first.
    connect(document, &TwinKedrinFile::Closed, this, [this, document] {
      if (document_ == document) SetDocument(nullptr);
    });
  }
  ScheduleRefresh();
}

void PropertiesPanel::Detach() {
  if (observed_ && document_) {
    observed_->RemoveObserver(this);
    disconnect(document_, nullptr, this, nullptr);
  }
  observed_ = nullptr;
}

void PropertiesPanel::DiagramChanged(const DiagramChange&) { ScheduleRefresh(); }

void PropertiesPanel::ScheduleRefresh() {
  // A notice costs nothing more than this: a selection of thousands sends one each.
  if (refreshScheduled_ || !isVisible()) return;
  refreshScheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    refreshScheduled_ = false;
    Refresh();
  });
}

void PropertiesPanel::showEvent(QShowEvent* event) {
  QDockWidget::showEvent(event);
  ScheduleRefresh();
}

void PropertiesPanel::Refresh() {
  const style::PanelValues values = document_ ? style::SharedValues(style::SelectionProperties(*document_))
                                              : style::PanelValues{};
  // A word about a refused value stays until the figures shown change.
  if (!(values == shown_)) ShowProblem({});
  Show(values);
}

void PropertiesPanel::Show(const style::PanelValues& v) {
  shown_ = v;
  const bool any = v.count > 0;
  for (QWidget* w : std::initializer_list<QWidget*>{x_, y_, width_, height_, font_, fontSize_, fill_, line_,
                                                    fillButton_, lineButton_, lineStyle_, lineWidth_})
    w->setEnabled(any);
  text_->setEnabled(v.textApplies);
  heads_->setEnabled(v.arrows);
  direction_->setEnabled(v.arrows);
  ShowNumber(x_, v.x);
  ShowNumber(y_, v.y);
  ShowNumber(width_, v.width);
  ShowNumber(height_, v.height);
  ShowNumber(fontSize_, v.fontSize);
  ShowNumber(lineWidth_, v.lineWidth);
  if (!(text_->hasFocus() && text_->isModified())) text_->setText(v.text ? QString::fromStdString(*v.text) : QString());
  if (!(font_->lineEdit()->hasFocus() && font_->lineEdit()->isModified()))
    font_->setEditText(v.fontName ? QString::fromStdString(*v.fontName) : QString());
  for (auto [field, colour] : {std::pair{fill_, v.fill}, std::pair{line_, v.line}}) {
    if (!(field->hasFocus() && field->isModified())) field->setText(colour ? ColourText(*colour) : QString());
  }
  fillButton_->setIcon(ColourIcon(v.fill));
  lineButton_->setIcon(ColourIcon(v.line));
  ShowChoice(lineStyle_, v.lineStyle);
  ShowChoice(heads_, v.heads);
  ShowChoice(direction_, v.direction);
}
