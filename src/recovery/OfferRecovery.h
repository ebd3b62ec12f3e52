#pragma once
#include <vector>

#include "RecoveryOffer.h"

class AutosaveManager;
class QWidget;

namespace recovery {

// At start, once the main window is shown: when runs that did not end normally left copies,
// lists them in the recovery dialog and settles the user's choices. Returns the documents to
// open as modified documents (nothing when there were no copies or the user kept them all).
std::vector<RecoveredDocument> OfferRecovery(QWidget* parent, AutosaveManager& manager);

}  // namespace recovery
