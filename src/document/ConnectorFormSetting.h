#pragma once

// Whether the program's charts are drawn with elbow connectors (Arrange > Auto Layout > Elbow
// Connectors, the default) or straight ones: the setting the layout, the import and the
// rerouting after an edit share.
namespace connectorform {

bool Elbow();
void SetElbow(bool elbow);

}  // namespace connectorform
