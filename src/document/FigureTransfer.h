#pragma once
#include <QByteArray>
#include <memory>
#include <span>
#include <vector>

class TCustomKDTool;

// Figures on their way between documents and programs: the records of several figures one after
// another, in stacking order, exactly as a diagram file holds them.
namespace figuretransfer {

// The figures' records, bottom first, each with the selection flag as a file would have it.
QByteArray Records(std::span<TCustomKDTool* const> figures);

// Every figure of a sequence of records, or none: data that is not a whole sequence of valid
// records throws EStreamError with the reader's message, and no figure survives.
std::vector<std::unique_ptr<TCustomKDTool>> Read(const QByteArray& records);

}  // namespace figuretransfer
