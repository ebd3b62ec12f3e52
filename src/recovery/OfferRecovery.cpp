#include "OfferRecovery.h"

#include "AutosaveManager.h"
#include "RecoveryDialog.h"

namespace recovery {

std::vector<RecoveredDocument> OfferRecovery(QWidget* parent, AutosaveManager& manager) {
  std::unique_ptr<RecoveryOffer> offer = manager.FindRecoverable();
  if (offer->Empty()) return {};
  RecoveryDialog dialog(offer->Documents(), parent);
  dialog.SetCheckCopy([&offer](size_t index) { return offer->Check(index); });
  dialog.exec();
  return manager.Settle(*offer, dialog.Choices());
}

}  // namespace recovery
