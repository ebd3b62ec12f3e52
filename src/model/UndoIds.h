#pragma once

// The identifiers by which QUndoStack tells which steps may merge with the step before.
namespace undoids {
constexpr int kNudge = 1;
constexpr int kCaption = 2;
}  // namespace undoids
