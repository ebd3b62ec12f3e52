#pragma once

class TwinKedrinFile;

// Arrange > Connector Style: the selected connectors that join two shapes drawn again as an elbow
// route or as one straight arrow between the same shapes, in their own pen, as one step.
enum class ConnectorShape { Elbow, Straight };

// The number of connectors drawn again; none (0) leaves the document as it was. A connector is
// taken when any of its segments is selected; lines without a head, arrows with two and
// connectors with an end on no shape are left as they are, as are those that already run the
// course they would be given. A connector of any number of segments is taken: a chain torn into
// slanted pieces by a move becomes a square route again.
int SetConnectorShape(TwinKedrinFile& document, ConnectorShape shape);
