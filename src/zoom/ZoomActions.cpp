#include "ZoomActions.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QWheelEvent>

#include "TScrollBox.h"
#include "TwinKedrinFile.h"
#include "ZoomMapping.h"
#include "ZoomView.h"

namespace {
QAction* MakeAction(QObject* parent, const char* name, const QString& text, QList<QKeySequence> keys) {
  auto* action = new QAction(text, parent);
  action->setObjectName(QLatin1String(name));
  action->setShortcuts(keys);
  return action;
}

QString PercentText(int percent) { return QStringLiteral("%1%").arg(percent); }
}  // namespace

ZoomActions::ZoomActions(QObject* parent) : QObject(parent) {
  zoomIn_ = MakeAction(this, "ZoomIn1", tr("Zoom &In"),
                       {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  zoomOut_ = MakeAction(this, "ZoomOut1", tr("Zoom &Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  actualSize_ = MakeAction(this, "ActualSize1", tr("&Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)});
  fitDiagram_ = MakeAction(this, "FitDiagram1", tr("&Fit Diagram"), {QKeySequence(Qt::CTRL | Qt::Key_9)});
  fitWidth_ = MakeAction(this, "FitWidth1", tr("Fit &Width"), {});

  connect(zoomIn_, &QAction::triggered, this, [this] {
    if (TScrollBox* box = Box()) zoomview::ZoomKeepingCentre(*box, zoommap::StepIn(zoomview::PercentOf(*box)));
  });
  connect(zoomOut_, &QAction::triggered, this, [this] {
    if (TScrollBox* box = Box()) zoomview::ZoomKeepingCentre(*box, zoommap::StepOut(zoomview::PercentOf(*box)));
  });
  connect(actualSize_, &QAction::triggered, this, [this] {
    if (TScrollBox* box = Box()) zoomview::ZoomKeepingCentre(*box, 100);
  });
  connect(fitDiagram_, &QAction::triggered, this, [this] {
    if (TScrollBox* box = Box()) zoomview::FitDiagram(*box, false);
  });
  connect(fitWidth_, &QAction::triggered, this, [this] {
    if (TScrollBox* box = Box()) zoomview::FitDiagram(*box, true);
  });

  box_ = new QComboBox;
  box_->setObjectName(QStringLiteral("ZoomBox"));
  box_->setEditable(true);
  box_->setInsertPolicy(QComboBox::NoInsert);
  box_->setToolTip(tr("Zoom"));
  for (int step : zoommap::kSteps) box_->addItem(PercentText(step), step);
  box_->lineEdit()->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\s*\\d{0,3}\\s*%?\\s*")), box_));
  box_->setMinimumContentsLength(5);
  connect(box_, &QComboBox::activated, this, [this] { TakeTyped(); });
  connect(box_->lineEdit(), &QLineEdit::returnPressed, this, [this] { TakeTyped(); });
  Show();
}

void ZoomActions::AddTo(QMenu* view) const {
  view->addAction(zoomIn_);
  view->addAction(zoomOut_);
  view->addAction(actualSize_);
  view->addSeparator();
  view->addAction(fitDiagram_);
  view->addAction(fitWidth_);
}

int ZoomActions::ParsePercent(const QString& text) {
  QString digits = text.trimmed();
  if (digits.endsWith(QLatin1Char('%'))) digits.chop(1);
  bool ok = false;
  const int percent = digits.trimmed().toInt(&ok);
  return ok && percent > 0 ? percent : 0;
}

void ZoomActions::TakeTyped() {
  TScrollBox* box = Box();
  const int percent = ParsePercent(box_->currentText());
  if (box && percent > 0) zoomview::ZoomKeepingCentre(*box, zoommap::ClampPercent(percent));
  Show();
  // Back to the drawing after the choice.
  if (box) box->setFocus();
}

TScrollBox* ZoomActions::Box() const { return document_ ? document_->scbKedrin : nullptr; }

void ZoomActions::SetDocument(TwinKedrinFile* document) {
  if (document == document_) return;
  disconnect(connection_);
  document_ = document;
  if (TScrollBox* box = Box())
    connection_ = connect(box->Surface(), &TCanvasSurface::ZoomChanged, this, [this] { Show(); });
  Show();
}

void ZoomActions::Watch(TwinKedrinFile* document) {
  if (document && document->scbKedrin) document->scbKedrin->viewport()->installEventFilter(this);
}

void ZoomActions::Show() {
  TScrollBox* box = Box();
  const int percent = box ? zoomview::PercentOf(*box) : 100;
  for (QAction* action : {zoomIn_, zoomOut_, actualSize_, fitDiagram_, fitWidth_}) action->setEnabled(box);
  zoomIn_->setEnabled(box && percent < zoommap::kMaxPercent);
  zoomOut_->setEnabled(box && percent > zoommap::kMinPercent);
  box_->setEnabled(box);
  box_->setEditText(PercentText(percent));
}

bool ZoomActions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return false;
  auto* wheel = static_cast<QWheelEvent*>(event);
  if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
  auto* viewport = qobject_cast<QWidget*>(watched);
  auto* box = viewport ? qobject_cast<TScrollBox*>(viewport->parentWidget()) : nullptr;
  if (!box) return false;
  // One notch is one step; a touchpad's small deltas add up to one.
  pendingWheel_ += wheel->angleDelta().y();
  int percent = zoomview::PercentOf(*box);
  for (; pendingWheel_ >= 120; pendingWheel_ -= 120) percent = zoommap::StepIn(percent);
  for (; pendingWheel_ <= -120; pendingWheel_ += 120) percent = zoommap::StepOut(percent);
  zoomview::ZoomAbout(*box, percent, wheel->position().toPoint());
  return true;
}
