#include "EditListener.h"

#include <QWidget>

TEditListener* TEditListener::Of(const QWidget* control) {
  for (const QWidget* w = control; w; w = w->parentWidget())
    if (auto* listener = dynamic_cast<TEditListener*>(const_cast<QWidget*>(w))) return listener;
  return nullptr;
}

TEditScope::TEditScope(const QWidget* control, TEditKind kind, const std::vector<TCustomKDTool*>& targets)
    : listener_(TEditListener::Of(control)) {
  if (listener_) listener_->EditStarted(kind, targets);
}

TEditScope::~TEditScope() {
  if (listener_) listener_->EditEnded();
}
