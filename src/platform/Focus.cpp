#include "Focus.h"

#include <QApplication>
#include <QHash>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include "Control.h"

namespace focus {

namespace {
const char* const kFormProperty = "kedrinForm";

QHash<const QWidget*, QPointer<QWidget>>& Focused() {
  static QHash<const QWidget*, QPointer<QWidget>> map;
  return map;
}

void Notify(QWidget* previous, QWidget* now) {
  if (!previous || previous == now) return;
  SendMessage(previous, TKM_FOCUSLOST);
}

// The control under a right or middle press that keeps the focus where it is, while that press is
// being delivered.
QPointer<QWidget> g_pressKeepingFocus;

// Sees presses as they reach a window, before Qt gives the focus to whatever takes it on a
// click under the pointer.
class PressWatcher : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress || !watched->isWindowType()) return false;
    auto* press = static_cast<QMouseEvent*>(event);
    g_pressKeepingFocus = nullptr;
    if (press->button() == Qt::LeftButton) return false;
    auto* control = qobject_cast<TCustomControl*>(QApplication::widgetAt(press->globalPosition().toPoint()));
    if (control && control->OtherButtonsKeepFocus()) {
      g_pressKeepingFocus = control;
      QTimer::singleShot(0, [] { g_pressKeepingFocus = nullptr; });
    }
    return false;
  }
};

void OnFocusChanged(QWidget*, QWidget* now) {
  if (!now) return;
  QWidget* form = FormOf(now);
  if (!form) return;
  QPointer<QWidget>& slot = Focused()[form];
  if (g_pressKeepingFocus && now != g_pressKeepingFocus && now->isAncestorOf(g_pressKeepingFocus)) {
    // Qt's click-to-focus took the focus for an ancestor of a control that keeps it: it goes
    // back, and nobody has lost anything.
    g_pressKeepingFocus = nullptr;
    if (slot && slot != now) {
      slot->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  QPointer<QWidget> previous = slot;
  if (previous == now) return;
  slot = now;
  Notify(previous, now);
}
}  // namespace

void Install() {
  static bool installed = false;
  if (installed || !qApp) return;
  installed = true;
  QObject::connect(qApp, &QApplication::focusChanged, qApp, &OnFocusChanged);
  qApp->installEventFilter(new PressWatcher(qApp));
}

void MarkForm(QWidget* form) {
  form->setProperty(kFormProperty, true);
  QObject::connect(form, &QObject::destroyed, [form] { Focused().remove(form); });
}

QWidget* FormOf(const QWidget* w) {
  for (const QWidget* p = w; p; p = p->parentWidget())
    if (p->property(kFormProperty).toBool()) return const_cast<QWidget*>(p);
  return w ? w->window() : nullptr;
}

void SetFocus(QWidget* w) {
  if (!w) return;
  Install();
  QWidget* form = FormOf(w);
  QPointer<QWidget> previous = Focused().value(form);
  Focused()[form] = w;
  QPointer<QWidget> target(w);
  w->setFocus(Qt::OtherFocusReason);
  Notify(previous, target);
}

QWidget* FocusedControl(const QWidget* form) { return Focused().value(form); }

void Forget(QWidget* w) {
  for (auto it = Focused().begin(); it != Focused().end(); ++it)
    if (it.value() == w) it.value() = nullptr;
}

void HandOver(QWidget* w) {
  for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
    if (p->focusPolicy() != Qt::NoFocus) {
      QWidget* form = FormOf(p);
      Focused()[form] = p;
      p->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

}  // namespace focus
