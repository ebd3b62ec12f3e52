#pragma once
#include <QUndoCommand>
#include <cstddef>
#include <cstdint>
#include <vector>

// A step of a document's history. It names the figures whose records it changes, so that the
// fingerprint of what a save would write is brought up to date without reading every figure.
class DocumentCommand : public QUndoCommand {
 public:
  virtual std::vector<uint64_t> Touched() const = 0;
  // How many figures doing or undoing the step reaches, for telling big steps from small ones.
  virtual size_t FigureCount() const { return Touched().size(); }
};
