#include "Focus.h"

#include <QApplication>
#include <QHash>
#include <QPointer>

#include "Control.h"

namespace focus {

namespace {
const char* const kFormProperty = "kedrinForm";

// What holds a form's focus: a widget, or a control on a canvas widget.
struct Holder {
  QPointer<QWidget> widget;
  TControlPtr<TCustomControl> control;
};

QHash<const QWidget*, Holder>& Focused() {
  static QHash<const QWidget*, Holder> map;
  return map;
}

void Notify(const Holder& previous, const TCustomControl* now) {
  if (TCustomControl* c = previous.control; c && c != now) SendMessage(c, TKM_FOCUSLOST);
}

void OnFocusChanged(QWidget*, QWidget* now) {
  if (!now) return;
  QWidget* form = FormOf(now);
  if (!form) return;
  Holder& slot = Focused()[form];
  // The canvas of the focused control took Qt's focus for it.
  if (TCustomControl* c = slot.control; c && c->parentWidget() == now) return;
  if (!slot.control && slot.widget == now) return;
  const Holder previous = slot;
  slot = Holder{now, {}};
  Notify(previous, nullptr);
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
  Holder& slot = Focused()[FormOf(w)];
  const Holder previous = slot;
  slot = Holder{w, {}};
  w->setFocus(Qt::OtherFocusReason);
  Notify(previous, nullptr);
}

void SetFocus(TCustomControl* control) {
  QWidget* canvas = control ? control->parentWidget() : nullptr;
  if (!canvas) return;
  Install();
  Holder& slot = Focused()[FormOf(canvas)];
  const Holder previous = slot;
  slot = Holder{canvas, control};
  canvas->setFocus(Qt::OtherFocusReason);
  Notify(previous, control);
}

TCustomControl* FocusedControl(const QWidget* form) {
  auto it = Focused().constFind(form);
  return it == Focused().constEnd() ? nullptr : it->control.data();
}

bool HasFocus(const TCustomControl* control) {
  const QWidget* canvas = control ? control->parentWidget() : nullptr;
  return canvas && canvas->hasFocus() && FocusedControl(FormOf(canvas)) == control;
}

void Forget(const TCustomControl* control) {
  for (auto it = Focused().begin(); it != Focused().end(); ++it)
    if (it->control == control) it->control = nullptr;
}

void HandOver(TCustomControl* control) {
  QWidget* canvas = control ? control->parentWidget() : nullptr;
  if (!canvas) return;
  Holder& slot = Focused()[FormOf(canvas)];
  slot = Holder{canvas, {}};
  canvas->setFocus(Qt::OtherFocusReason);
}

}  // namespace focus
