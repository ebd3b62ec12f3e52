#include "FigureGestures.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "ConnectorOptions.h"
#include "Focus.h"
#include "HandleLayout.h"
#include "KDTools.h"
#include "MainWindowLink.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

TCustomKDTool* FigureAt(const TControlCanvas& canvas, QPoint p) {
  return static_cast<TCustomKDTool*>(canvas.ContentAt(p));
}

FigureGestures::FigureGestures(TwinKedrinFile& document)
    : QObject(&document), document_(document), surface_(document.Surface()) {}

void FigureGestures::Install(TwinKedrinFile& document) {
  document.Surface()->installEventFilter(new FigureGestures(document));
}

bool FigureGestures::Active() const {
  TMainWindowLink* main = document_.MainWindow();
  return main && main->CurrentTool() == TTool::Select && ConnectorOptions::Instance().KeepAttached();
}

bool FigureGestures::eventFilter(QObject* watched, QEvent* event) {
  if (watched != surface_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress: return Press(*static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonDblClick: return DoubleClick(*static_cast<QMouseEvent*>(event));
    case QEvent::KeyPress: return Key(*static_cast<QKeyEvent*>(event));
    default: return false;
  }
}

namespace {
// A press on a frame's handle sizes, whatever is held.
bool OnHandle(const TControlCanvas& canvas, QPoint p) {
  const TCustomControl* top = canvas.ControlAt(p);
  const auto* frame = dynamic_cast<const TFrameControl*>(top);
  return frame && handles::HitTest(frame->HandleRects(), p - frame->pos()) != 0;
}
}  // namespace

bool FigureGestures::Press(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return false;
  const bool adding = event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
  if (!adding || !Active()) {
    document_.AddNextBandTo({});
    return false;
  }
  const QPoint p = event.position().toPoint();
  TCanvasSurface* canvas = document_.Surface();
  if (OnHandle(*canvas, p)) return false;
  if (TCustomKDTool* figure = FigureAt(*canvas, p)) {
    document_.ToggleInSelection(figure);
    return true;
  }
  // On the empty canvas the band starts; what it encloses joins what is selected now.
  document_.AddNextBandTo((event.modifiers() & Qt::ShiftModifier) ? document_.SelectedFigures()
                                                                   : std::vector<TCustomKDTool*>{});
  return false;
}

bool FigureGestures::DoubleClick(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton || (event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) ||
      !Active())
    return false;
  TCustomKDTool* figure = FigureAt(*document_.Surface(), event.position().toPoint());
  return figure && document_.EditTextOf(figure);
}

bool FigureGestures::Key(const QKeyEvent& event) {
  if (!Active()) return false;
  auto* frame = dynamic_cast<TSizer*>(focus::FocusedControl(focus::FormOf(document_.Surface())));
  if (!frame || frame->Releasing() || frame->SelectStatus() != ssSingleSelect || !frame->Target()) return false;
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
    return mods == Qt::NoModifier && document_.EditTextOf(frame->Target());
  const QString text = event.text();
  if (text.isEmpty() || !text.front().isPrint() || (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
    return false;
  return document_.EditTextOf(frame->Target(), text);
}
