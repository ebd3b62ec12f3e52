#include "Focus.h"

#include <QApplication>
#include <QHash>
#include <QPointer>

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

void OnFocusChanged(QWidget*, QWidget* now) {
  if (!now) return;
  QWidget* form = FormOf(now);
  if (!form) return;
  QPointer<QWidget>& slot = Focused()[form];
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
