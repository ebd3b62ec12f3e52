#pragma once
#include <vector>

class TCustomKDTool;
class TwinKedrinFile;

// A paste with View > Keep Connectors and Labels Attached on: the pasted elbow connectors (their
// segments and both shapes among what was pasted) are routed again by the orthogonal router
// around every closed figure near them, pasted or already there (containers block nothing), with
// as many segments as each new route needs, their labels beside them again. It runs before the
// paste is recorded, so that the paste's one step holds the routes. A connector with no way round
// keeps its pasted course. With the option off nothing changes.
namespace pasterouting {

// `pasted`: the figures the paste added, not yet recorded; it loses the segments a new route no
// longer needs (they leave the diagram) and gains the ones it adds (on top, in the connector's pen).
void RouteAgain(TwinKedrinFile& document, std::vector<TCustomKDTool*>& pasted);

}  // namespace pasterouting
