#include "EditListener.h"

#include <QWidget>

#include "Control.h"

TEditListener* TEditListener::Of(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget())
    if (auto* listener = dynamic_cast<TEditListener*>(const_cast<QWidget*>(w))) return listener;
  return nullptr;
}

TEditListener* TEditListener::Of(const TCustomControl* control) {
  return control ? Of(control->parentWidget()) : nullptr;
}

TEditScope::TEditScope(const TCustomControl* control, TEditKind kind, const std::vector<TCustomKDTool*>& targets)
    : listener_(TEditListener::Of(control)) {
  if (listener_) listener_->EditStarted(kind, targets);
}

TEditScope::~TEditScope() {
  if (listener_) listener_->EditEnded();
}
