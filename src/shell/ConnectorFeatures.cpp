#include "ConnectorFeatures.h"

#include "TwinMain.h"

void InstallConnectorFeatures(TwinMain&) {}
