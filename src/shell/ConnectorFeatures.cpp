#include "ConnectorFeatures.h"

#include "ConnectorTool.h"
#include "TwinMain.h"

void InstallConnectorFeatures(TwinMain& main) { InstallConnectorTool(main); }
